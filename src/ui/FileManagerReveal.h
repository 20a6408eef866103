#pragma once

#include <QString>

// Shows a file in the desktop's file manager, selected where the file manager can.
// Returns at once; the file manager starts on its own.
class FileManagerReveal {
public:
    static void show(const QString& path);
};
