// The eye picture in a build without the desktop option: there is none.
#include "RysunekOka.h"

std::string ZapiszOko(const TWynikSymulacji&, const std::string& plik, TRysunek)
{
    return plik + ": this lintavox-sim was built without the desktop option, which draws charts";
}
