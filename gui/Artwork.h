// The program's own pictures, drawn with QPainter when first asked for: the toolbar icons,
// the window icon and the splash picture. Nothing is loaded from files, so the pictures scale
// cleanly and the installation needs no image files.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace zqv {

enum class ToolIcon { New, Open, Save, Add, Scan, Delete, Cut, Copy, Paste, Undo, Redo, Read, Write, Report, About };

QIcon ToolbarIcon(ToolIcon which);
QIcon AppIcon();
// The splash picture with the program's name and `versionText` on it.
QPixmap SplashPixmap(const QString &appName, const QString &versionText);

}  // namespace zqv
