// The chart of a sweep in a build without the desktop option: there is none.
#include "WykresPrzemiatania.h"

bool WykresyDostepne()
{
    return false;
}

std::unique_ptr<QCoreApplication> UtworzAplikacje(int& argc, char** argv, bool)
{
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::string ZapiszWykresPrzemiatania(const TDaneWykresuPrzemiatania&, const std::string& plik)
{
    return plik + ": this lintavox-sim was built without the desktop option, which draws charts";
}
