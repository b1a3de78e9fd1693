#pragma once
// Start-up of the application: identity, the catalogue chosen by the stored
// "Language", and the event loop around the one main window.

#include "session/ecusession.h"

class QTranslator;

namespace Startup {

// Name, version, organisation and domain; run before the application object
// exists so that the settings store resolves to the right place.
void setApplicationIdentity();

// Reads "Language" (writing the default "IT" when missing) and loads the
// matching catalogue into `translator`: "IT" selects Italian, any other value
// English. Returns the catalogue's file name.
const char *loadStartupCatalogue(QTranslator &translator);

// Keeps the rendered rev-counter layers in the user's cache folder, so that
// later starts need not render them again (the window's programs only).
void prepareCaches();

// Whether Qt has a display to show a window on.
bool haveDisplay();

// The settings store must be a regular file (or not exist yet): a FIFO or a
// device there would block the first read for good. When it is not, the
// settings of this run go to a private temporary folder instead, and the
// unusable file's path is returned (empty when all is well). Run before
// anything reads a setting. `configDir` empty: the user's configuration
// folder.
QString guardSettingsStore(const QString &configDir = QString());
// What to tell the user about an unusable settings file (in the language
// installed when called).
QString settingsProblemText(const QString &file);

// The session's configuration: the real ECU, or the simulator that
// TERVALIX_SIMULATOR switches on (the only place that reads it).
EcuSession::Config sessionConfigFromEnvironment();

// The whole entry point: identity, application, catalogue, window, event loop.
int run(int argc, char **argv);

} // namespace Startup
