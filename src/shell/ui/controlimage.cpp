#include "shell/ui/controlimage.h"

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
    if (kind == ControlImageJpeg)
        return image.convertToFormat(QImage::Format_RGB32).save(filePath, "JPG", 100);
    return image.save(filePath, "BMP");
}
