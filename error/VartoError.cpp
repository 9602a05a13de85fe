#include "VartoError.h"

#include "TVartoError.h"

TFltFltStrumien** ZwrocStrumienieWzm(TFltFltStrumien* const* wzorce, TFltFltStrumien* const* odebrane, std::int32_t n,
                                     TEtykietaPostepu*, TWskaznikPostepu*)
{
    TVartoError pracownik(wzorce, odebrane, n);
    return pracownik.Wzmocnij();
}

WynikBledow* ZwrocBledy(TFltFltStrumien* const* wzorce, TFltFltStrumien* const* odebrane, std::int32_t n,
                        float odstepDecyzji, std::int32_t rozdzielczosc, std::int32_t, TEtykietaPostepu*,
                        TWskaznikPostepu*)
{
    TVartoError pracownik(wzorce, odebrane, n);
    pracownik.ZmierzBledy();
    pracownik.ObliczRozklad(rozdzielczosc);
    pracownik.ObliczBER(odstepDecyzji);
    return new WynikBledow{pracownik.WydajRozklad(), pracownik.WydajDystrybuante(), pracownik.BER(),
                           pracownik.NajwiekszyBlad(), pracownik.SzczytRozkladu(), 0, pracownik.LiczbaPrzedzialow()};
}
