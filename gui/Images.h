// The program's own images: the application icon, the five 16 by 16 tree
// images and the toolbar images, drawn as SVG and rendered at their size.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace velmora {

inline constexpr int kTreeImageCount = 5;
// The tree shows image 1 for an item and image 4 for the selected one.
inline constexpr int kTreeItemImage = 1;
inline constexpr int kTreeSelectedImage = 4;
inline constexpr QSize kToolbarImageSize{44, 26};

QIcon AppIcon();
// Image index of the tree's image list, 0 to 4.
QPixmap TreeImage(int index);
// Image 1 normally, image 4 while selected.
QIcon TreeItemIcon();
// The toolbar image of this name ("open" is resources/tb_open.svg); a null
// icon for an unknown name or none.
QIcon ToolbarIcon(const char* name);

}  // namespace velmora
