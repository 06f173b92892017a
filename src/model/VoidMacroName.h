#pragma once
// Empty-layer names: ".layer" files store "void" (or "void" + more), the records hold
// "void macro" (or "void macro" + the same). Prefix tests are exact and case-sensitive.

#include <string>

void ToVoidMacroName(std::string& name);    // stored form to record form
void FromVoidMacroName(std::string& name);  // record form to stored form
// True for an empty-layer name: at most one character, or beginning with "void".
bool IsVoidMacroName(const std::string& name);
