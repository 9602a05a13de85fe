// Marks a computation library's C exports: visible, C linkage, and a symbol that
// carries a leading underscore while the C++ name has none.
#pragma once

#define VARTO_EKSPORT extern "C" __attribute__((visibility("default")))
#define VARTO_SYMBOL(nazwa) __asm__("_" #nazwa)
