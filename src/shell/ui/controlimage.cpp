#include "shell/ui/controlimage.h"

#include "base/safefile.h"

#include <QBuffer>
#include <QPixmap>
#include <QWidget>

void CaptureControl(QWidget *control, QImage &image)
{
    image = control ? control->grab().toImage() : QImage();
}

bool SaveControlImage(const QString &filePath, int kind, QWidget *control)
{
    if (!control || (kind != ControlImageJpeg && kind != ControlImageBmp))
        return false;
    QImage image;
    CaptureControl(control, image);
    if (image.isNull())
        return false;
    // Encoded in memory and written in one checked step, so that a full disk
    // never leaves a truncated picture in place of an earlier one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = kind == ControlImageJpeg
                             ? image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 100)
                             : image.save(&buffer, "BMP");
    return encoded && WriteFileSafely(filePath, bytes, nullptr);
}
