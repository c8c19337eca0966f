// Writes the installation's password store holding the initial password.
#include "shell/password_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    return shell::writeStoredPassword(path, shell::kInitialPassword) ? 0 : 1;
}
