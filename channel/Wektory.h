// The vector level the hot loops run at, chosen at run time: each hot loop is compiled
// once per level and the widest one the processor has is used.
#pragma once

enum class TPoziomWektorow { Podstawowy, Avx2, Avx512 };

// The level the hot loops run at: the widest this processor has, unless forced.
TPoziomWektorow PoziomWektorow();
// Makes later hot loops run at poziom, which must not exceed the detected level. For
// tests comparing the levels; call it while no computation runs.
void WymusPoziomWektorow(TPoziomWektorow poziom);
