// Marks the library's exported entry points and classes; everything else is
// built with hidden visibility.
#pragma once

#define ORBEL_EXPORT __attribute__((visibility("default")))
