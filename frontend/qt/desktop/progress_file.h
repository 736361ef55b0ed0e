// The desktop's progress file: written whole through QSaveFile (a temporary file in the same
// folder, flushed, synced and renamed over the old one), so that neither a crash nor a second
// copy of the program leaves a broken file; read and moved aside as the plain file is.
#pragma once

#include <QString>

#include "platform/file_storage.h"

class CQtFileStorage : public CFileStorage {
  public:
    explicit CQtFileStorage(const QString& path) : CFileStorage(path.toStdString()) {}

    bool Write(const std::string& bytes, std::string& error) override;
};

// ~/.local/share/skalor/progress.json: the user's data folder (XDG_DATA_HOME), in a folder
// named for the program. Needs no application object, so that --help can name it.
QString DefaultProgressPath();
