// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/rawpty.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

bool RawPty::open(QString *error)
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        *error = QStringLiteral("cannot create a pseudo-terminal: %1").arg(qt_error_string(errno));
        close();
        return false;
    }
    const char *name = ::ptsname(master);
    path = name ? QString::fromLocal8Bit(name) : QString();
    slaveKeep = path.isEmpty() ? -1 : ::open(name, O_RDWR | O_NOCTTY);
    termios tio{};
    if (slaveKeep < 0 || ::tcgetattr(slaveKeep, &tio) != 0) {
        *error = QStringLiteral("cannot open the pseudo-terminal's port: %1").arg(qt_error_string(errno));
        close();
        return false;
    }
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(slaveKeep, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    return true;
}

void RawPty::close()
{
    if (master >= 0)
        ::close(master);
    if (slaveKeep >= 0)
        ::close(slaveKeep);
    master = slaveKeep = -1;
}

#else

bool RawPty::open(QString *error)
{
    *error = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
}

void RawPty::close() {}

#endif
