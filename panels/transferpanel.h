#pragma once
// Writing the curve into the ECU and reading it back, as the window shows
// it: the two buttons, the progress bar, the profile name a 90-cell unit
// keeps, and what each outcome means to the user. The session does the
// transfer; this panel asks for it and tells the result.

#include <QObject>
#include <QString>
#include <QVector>

#include "session/ecuresult.h"

class QLabel;
class QProgressBar;
class QPushButton;
class WindowContext;

class TransferPanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QPushButton *write = nullptr;  // btSaveFlash
        QPushButton *read = nullptr;   // btReadFlash
        QProgressBar *progress = nullptr;
        QPushButton *close = nullptr;  // btClose: not while a write runs
    };

    TransferPanel(WindowContext &context, const Widgets &widgets, QObject *parent = nullptr);
    ~TransferPanel() override;

    // Writes the editor's curve (a 90-cell unit keeps the profile's file
    // name, so without a file one is saved first: fileNeededForWrite).
    void write();
    // Reads the unit's curve into the editor, after asking about unsaved work.
    void read();
    // The result of a read or a write, as the user is told it.
    void showResult(const EcuResult &result);
    void setPercent(int percent);
    void clearProgress();
    void retranslate();
    // What the progress bar says runs: "Lettura", "Backup", "Scrittura", "Verifica".
    static QString phaseText(EcuPhase phase);

signals:
    // A write waits for the profile to be saved under a name.
    void fileNeededForWrite();

private:
    void applyRead();
    QString pointNames(const QVector<int> &points) const;
    void reportMismatches(const EcuResult &result);
    void updateEnabled();
    void showEcuDifference();

    WindowContext &ctx;
    Widgets ui;
    QLabel *profileLabel = nullptr;
    QLabel *notWrittenLabel = nullptr;  // the editor holds what the ECU does not
};
