#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <set>
#include <string>

#include "platform/forms/Form.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"

// Shows `form` on the Qt host as a person sees it and saves the shot as `path` (its folder is
// made); the shot must show more than a blank window.
inline QImage ShootWindow(qtview::QtHost& host, forms::Form& form, const std::string& path) {
    form.Show();
    QApplication::processEvents();
    QImage shot = host.WindowOf(form)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = QString::fromStdString(path);
    QDir().mkpath(QFileInfo(file).absolutePath());
    EXPECT_TRUE(shot.save(file)) << path;
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); x += 3)
            colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 8u) << path << " looks blank";
    return shot;
}
