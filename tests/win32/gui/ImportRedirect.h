#pragma once

// Points this program's import of a function (by library and name) at a
// replacement and returns the function it pointed at before, or null when
// the program does not import it. Calls from the toolkit, linked into the
// program, go through these imports.
void* redirectImport(const char* library, const char* name, void* replacement);
