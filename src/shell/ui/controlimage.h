#pragma once

#include <QImage>
#include <QString>

class QWidget;

enum ControlImageKind { ControlImageJpeg = 0, ControlImageBmp = 1 };

// Sizes `image` to the control and copies the control's on-screen picture into it.
void CaptureControl(QWidget *control, QImage &image);

// Captures the control and saves it to `filePath`, as JPEG with quality 100
// (kind 0) or as BMP (kind 1), whatever the file's extension. False when the
// kind is unknown or the file cannot be written.
bool SaveControlImage(const QString &filePath, int kind, QWidget *control);
