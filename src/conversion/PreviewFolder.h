// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QString>

// The program's private folder for the files of "Play the section": under the user's own
// cache folder, never beside the output. Each preview empties it first and the program
// empties it when it ends; a file a player still holds then (Windows keeps open files)
// goes at the next start.
namespace PreviewFolder {

// The folder, whether it exists or not.
QString path();

// Removes whatever earlier previews left and makes the folder afresh. Returns its path,
// or an empty text when it cannot be made.
QString renew();

// Removes the folder with what it holds, as far as nothing holds it.
void clear();

} // namespace PreviewFolder
