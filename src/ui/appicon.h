#pragma once

#include <QIcon>

/// The program's icon (tray, About box, windows).
[[nodiscard]] QIcon appIcon();
