#include <QImage>
#include <QString>

#include "tools/replay/frame_file.h"

bool SaveFramePng(const CPixmap& frame, const std::string& path) {
    const QImage image(reinterpret_cast<const uchar*>(frame.Bits()), frame.Width(), frame.Height(),
                       frame.Width() * 4, QImage::Format_RGB32);
    return image.save(QString::fromStdString(path), "PNG");
}
