#pragma once
// What the deck save tests compare: a device as far as a deck and its ".layer" files say it, and
// a folder's files by name and bytes (hidden files included).

#include "document/TessaronDoc.h"

#include <map>
#include <string>
#include <vector>

// Per z-segment in use its z extent, z planes and taper points, and per column its width and its
// layers' thickness and bulk material.
std::string DeviceOutline(CTessaronDoc& doc);
// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::string& folder);
// Every file of a folder by name.
std::map<std::string, std::string> FolderBytes(const std::string& folder);
// Makes the folder hold exactly these files.
void RestoreFolder(const std::string& folder, const std::map<std::string, std::string>& files);
