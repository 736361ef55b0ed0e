#include "platform/storage.h"

#include <cerrno>
#include <cstring>

std::string StorageError(int code) {
    switch (code) {
        case EACCES:
        case EPERM: return "нет прав доступа";
        case EISDIR: return "на его месте папка";
        case ENOTDIR: return "в пути стоит файл на месте папки";
        case ENOSPC:
        case EDQUOT: return "нет места на диске";
        case EROFS: return "диск только для чтения";
        case EFBIG: return "слишком большой файл";
        case EINVAL: return "это не обычный файл";
        case EEXIST: return "все имена для копии заняты";
        case EIO: return "ошибка ввода-вывода";
        case ENOENT: return "нет такой папки";
        default: return std::strerror(code);
    }
}
