#include "frontend/qt/desktop/progress_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>

bool CQtFileStorage::Write(const std::string& bytes, std::string& error) {
    const QString path = QString::fromStdString(Where());
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = StorageError(EACCES);
        return false;
    }
    QSaveFile file(path);
    const qint64 size = qint64(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit()) {
        error = file.error() == QFileDevice::PermissionsError ? StorageError(EACCES)
                                                              : file.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QString DefaultProgressPath() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return {};
    return data + QStringLiteral("/skalor/progress.json");
}
