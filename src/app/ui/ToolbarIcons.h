#pragma once

#include <QIcon>

// The toolbar's 32 x 32 pictures, drawn by the program itself.
QIcon ToolbarIcon(int commandId);
