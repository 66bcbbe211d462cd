#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace galloria {

// Pictures for looking at are written only when GALLORIA_SCREENSHOT_DIR names
// a folder; a run without it writes nothing.
inline bool ScreenshotsWanted()
{
    return !qEnvironmentVariable("GALLORIA_SCREENSHOT_DIR").isEmpty();
}

inline void SaveScreenshot(const QImage& image, const QString& name)
{
    if (!ScreenshotsWanted())
        return;
    const QDir folder(qEnvironmentVariable("GALLORIA_SCREENSHOT_DIR"));
    QDir().mkpath(folder.path());
    EXPECT_TRUE(image.save(folder.filePath(name))) << name.toStdString();
}

inline void SaveScreenshot(QWidget& widget, const QString& name)
{
    if (ScreenshotsWanted())
        SaveScreenshot(widget.grab().toImage(), name);
}

} // namespace galloria
