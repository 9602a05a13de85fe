<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>TTekst</name>
    <message>
        <source>Bitmapy (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Brak zainstalowanej drukarki - wyników nie wydrukowano.
Czy zapisać je w pliku PDF?</source>
        <translation>No printer is installed - the results were not printed.
Save them to a PDF file?</translation>
    </message>
    <message>
        <source>Nie udało się wydrukować wyników na drukarce %1.</source>
        <translation>The results could not be printed on the printer %1.</translation>
    </message>
    <message>
        <source>Brak pamięci na mapę bitową wyników - plik nie został zapisany.</source>
        <translation>Not enough memory for the bitmap of the results - the file was not saved.</translation>
    </message>
    <message>
        <source>Zapisywanie wynikow symulacji</source>
        <translation>Saving the simulation results</translation>
    </message>
    <message>
        <source>Plik filtru (*.att)</source>
        <translation>Filter file (*.att)</translation>
    </message>
    <message>
        <source>Zapisywanie charakterystyki tłumienia</source>
        <translation>Saving the attenuation characteristic</translation>
    </message>
    <message>
        <source>Wczytywanie charakterystyki tłumienia</source>
        <translation>Loading the attenuation characteristic</translation>
    </message>
    <message>
        <source>Zapisywanie charakterystyki przesłuchów</source>
        <translation>Saving the crosstalk characteristic</translation>
    </message>
    <message>
        <source>Wczytywanie charakterystyki przesłuchów</source>
        <translation>Loading the crosstalk characteristic</translation>
    </message>
    <message>
        <source>Zapisywanie charakterystyki echa</source>
        <translation>Saving the echo characteristic</translation>
    </message>
    <message>
        <source>Wczytywanie charakterystyki echa</source>
        <translation>Loading the echo characteristic</translation>
    </message>
    <message>
        <source>Plik wzmacniacza (*.amp)</source>
        <translation>Amplifier file (*.amp)</translation>
    </message>
    <message>
        <source>Plik wmacniacza (*.amp)</source>
        <translation>Amplifier files (*.amp)</translation>
    </message>
    <message>
        <source>Zapisywanie charakterystyki regeneratora</source>
        <translation>Saving the regenerator characteristic</translation>
    </message>
    <message>
        <source>Wczytywanie charakterystyki regenratora</source>
        <translation>Loading the regenerator characteristic</translation>
    </message>
    <message>
        <source>Dodaj punkt filtru</source>
        <translation>Add a filter point</translation>
    </message>
    <message>
        <source>Edytuj punkt filtru</source>
        <translation>Edit a filter point</translation>
    </message>
    <message>
        <source>Import charakterystyki z pliku Touchstone</source>
        <translation>Import a characteristic from a Touchstone file</translation>
    </message>
    <message>
        <source>Pliki Touchstone (*.s1p *.s2p *.s4p *.s8p *.ts);;Wszystkie pliki (*)</source>
        <translation>Touchstone files (*.s1p *.s2p *.s4p *.s8p *.ts);;All files (*)</translation>
    </message>
    <message>
        <source>Import pliku Touchstone</source>
        <translation>Touchstone file import</translation>
    </message>
    <message>
        <source>%1
Wypełniono: %2.</source>
        <translation>%1
Filled: %2.</translation>
    </message>
    <message>
        <source>Za mało pamięci, by przeprowadzić symulację.</source>
        <translation>Not enough memory to run the simulation.</translation>
    </message>
    <message>
        <source>Symulacja dała wartości, które nie są skończonymi liczbami, więc jej wyników nie pokazano.</source>
        <translation>The simulation gave values that are not finite numbers, so its results are not shown.</translation>
    </message>
    <message>
        <source>Symulacja została przerwana przez</source>
        <translation>The simulation was stopped by</translation>
    </message>
    <message>
        <source>Za mało pamięci, by przeliczyć charakterystykę.</source>
        <translation>Not enough memory to recalculate the characteristic.</translation>
    </message>
    <message>
        <source>Rekalkulacja dała wartości, które nie są skończonymi liczbami, więc jej wyników nie pokazano.</source>
        <translation>The recalculation gave values that are not finite numbers, so its results are not shown.</translation>
    </message>
    <message>
        <source>Rekalkulacja została przerwana przez</source>
        <translation>The recalculation was stopped by</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> Skalowanie osi czasu </source>
        <translation> Time axis scale </translation>
    </message>
    <message>
        <source>Faza próbkowania: %1 okresu symbolu kodu</source>
        <translation>Sampling phase: %1 of a code symbol period</translation>
    </message>
    <message>
        <source>Fazy próbkowania (okres symbolu kodu): %1</source>
        <translation>Sampling phases (code symbol period): %1</translation>
    </message>
    <message>
        <source>Rozkład błędów</source>
        <translation>Error distribution</translation>
    </message>
    <message>
        <source>Dystrybuanta</source>
        <translation>Cumulative distribution</translation>
    </message>
    <message>
        <source> Estymacja błędów funkcją ERF </source>
        <translation> Error estimate with the ERF function </translation>
    </message>
    <message>
        <source>Bitowa stopa błędu (BER):</source>
        <translation>Bit error rate (BER):</translation>
    </message>
    <message>
        <source> Poprawność ciągu zdekodowanego </source>
        <translation> Correctness of the decoded sequence </translation>
    </message>
    <message>
        <source> Zliczone błędy </source>
        <translation> Counted errors </translation>
    </message>
    <message>
        <source>Wyniki analizy błędów</source>
        <translation>Error analysis results</translation>
    </message>
    <message>
        <source>Charakterystyki niedostępne ( błąd maksymalny równy 0 )</source>
        <translation>Characteristics unavailable ( largest error equal to 0 )</translation>
    </message>
    <message>
        <source>Zliczone błędy</source>
        <translation>Counted errors</translation>
    </message>
    <message>
        <source>Ciąg PRBS%1</source>
        <translation>PRBS%1 sequence</translation>
    </message>
    <message>
        <source>Wielomian x%1+x%2+1</source>
        <translation>Polynomial x%1+x%2+1</translation>
    </message>
    <message>
        <source> Parametry sygnału wejściowego </source>
        <translation> Input signal parameters </translation>
    </message>
    <message>
        <source>Ciąg losowy</source>
        <translation>Random sequence</translation>
    </message>
    <message>
        <source>Ciąg zer</source>
        <translation>All zeros</translation>
    </message>
    <message>
        <source>Ciąg jedynek</source>
        <translation>All ones</translation>
    </message>
    <message>
        <source>Liczba bitów: </source>
        <translation>Number of bits: </translation>
    </message>
    <message>
        <source>Nachylenie zbocza impulsu:</source>
        <translation>Pulse edge slope:</translation>
    </message>
    <message>
        <source>Szybkość:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Źródło bitów:</source>
        <translation>Bit source:</translation>
    </message>
    <message>
        <source> Model kanału i regeneratora </source>
        <translation> Channel and regenerator model </translation>
    </message>
    <message>
        <source> Tłumienie </source>
        <translation> Attenuation </translation>
    </message>
    <message>
        <source>      Przesłuchy </source>
        <translation>      Crosstalk </translation>
    </message>
    <message>
        <source>      Echo </source>
        <translation>      Echo </translation>
    </message>
    <message>
        <source>      Regeneracja</source>
        <translation>      Regeneration</translation>
    </message>
    <message>
        <source>Przesunięcie:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>Wzmacniacz adaptacyjny</source>
        <translation>Adaptive amplifier</translation>
    </message>
    <message>
        <source>Kabel…</source>
        <translation>Cable…</translation>
    </message>
    <message>
        <source>Tłumienie, przesłuchy i echo kabla danej kategorii, długości i temperatury</source>
        <translation>Attenuation, crosstalk and echo of a cable of a given category, length and temperature</translation>
    </message>
    <message>
        <source> Szum i drżenie </source>
        <translation> Noise and jitter </translation>
    </message>
    <message>
        <source>Brak</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Stosunek mocy sygnału do mocy szumu w każdym torze</source>
        <translation>Ratio of signal power to noise power in every lane</translation>
    </message>
    <message>
        <source>Napięcie skuteczne szumu</source>
        <translation>RMS voltage of the noise</translation>
    </message>
    <message>
        <source>Szum odbiornika:</source>
        <translation>Receiver noise:</translation>
    </message>
    <message>
        <source>Drżenie zboczy (RMS):</source>
        <translation>Edge jitter (RMS):</translation>
    </message>
    <message>
        <source>Kabel %1</source>
        <translation>Cable %1</translation>
    </message>
    <message>
        <source>tłumienie</source>
        <translation>attenuation</translation>
    </message>
    <message>
        <source>przesłuchy</source>
        <translation>crosstalk</translation>
    </message>
    <message>
        <source>echo</source>
        <translation>echo</translation>
    </message>
    <message>
        <source>Nieprawidłowa wartość</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Charakterystyka tłumienia</source>
        <translation>Attenuation characteristic</translation>
    </message>
    <message>
        <source>Charakterystyka przesłuchów</source>
        <translation>Crosstalk characteristic</translation>
    </message>
    <message>
        <source>Charakterystyka echa</source>
        <translation>Echo characteristic</translation>
    </message>
    <message>
        <source>Charakterystyka regenratora</source>
        <translation>Regenerator characteristic</translation>
    </message>
    <message>
        <source>Ciąg wejsciowy</source>
        <translation>Input sequence</translation>
    </message>
    <message>
        <source>Ciąg An</source>
        <translation>Sequence An</translation>
    </message>
    <message>
        <source>Ciąg Bn</source>
        <translation>Sequence Bn</translation>
    </message>
    <message>
        <source>Ciąg Cn</source>
        <translation>Sequence Cn</translation>
    </message>
    <message>
        <source>Ciąg Dn</source>
        <translation>Sequence Dn</translation>
    </message>
    <message>
        <source>Sygnał An</source>
        <translation>Signal An</translation>
    </message>
    <message>
        <source>Sygnał Bn</source>
        <translation>Signal Bn</translation>
    </message>
    <message>
        <source>Sygnał Cn</source>
        <translation>Signal Cn</translation>
    </message>
    <message>
        <source>Sygnał Dn</source>
        <translation>Signal Dn</translation>
    </message>
    <message>
        <source>Ciąg 4B5B</source>
        <translation>4B5B sequence</translation>
    </message>
    <message>
        <source>Ciąg MLT3</source>
        <translation>MLT3 sequence</translation>
    </message>
    <message>
        <source>Sygnał MLT3</source>
        <translation>MLT3 signal</translation>
    </message>
    <message>
        <source>Ciąg Manchester</source>
        <translation>Manchester sequence</translation>
    </message>
    <message>
        <source>Sygnał Manchester</source>
        <translation>Manchester signal</translation>
    </message>
    <message>
        <source>Ciągi i sygnały wejsciowe</source>
        <translation>Input sequences and signals</translation>
    </message>
    <message>
        <source>Sygnały po przejściu przez kanał i regenracji</source>
        <translation>Signals after the channel and regeneration</translation>
    </message>
    <message>
        <source>Ciągi zdekodowane</source>
        <translation>Decoded sequences</translation>
    </message>
    <message>
        <source>Sygnał przed wprowadzeniem do kanału</source>
        <translation>Signal before entering the channel</translation>
    </message>
    <message>
        <source>Sygnał po przeprowadzeniu przez kanał</source>
        <translation>Signal after passing through the channel</translation>
    </message>
    <message>
        <source>Sygnał po regeneracji</source>
        <translation>Signal after regeneration</translation>
    </message>
    <message>
        <source>Sygnał po wzmocnieniu</source>
        <translation>Signal after amplification</translation>
    </message>
    <message>
        <source>Ciąg przed wprowadzeniem w kanał</source>
        <translation>Sequence before entering the channel</translation>
    </message>
    <message>
        <source>Ciąg otrzymany w procesie dekodowania</source>
        <translation>Sequence obtained by decoding</translation>
    </message>
    <message>
        <source>Sygnały wyjsciowe</source>
        <translation>Output signals</translation>
    </message>
    <message>
        <source>Ciagi zdekodowane</source>
        <translation>Decoded bit sequences</translation>
    </message>
    <message>
        <source>Częstotliwość: </source>
        <translation>Frequency: </translation>
    </message>
    <message>
        <source>Tłumienie:</source>
        <translation>Attenuation:</translation>
    </message>
    <message>
        <source>Wzmocnienie</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Częstotliwość powinna zawierać się w przedziale (%1;%2)</source>
        <translation>The frequency should lie within (%1;%2)</translation>
    </message>
    <message>
        <source>Wzmocnienie powinnno zawierać się w przedziale &lt;0;100&gt;</source>
        <translation>The gain should lie within &lt;0;100&gt;</translation>
    </message>
    <message>
        <source>Tłumienie powinnno zawierać się w przedziale &lt;0;100&gt;</source>
        <translation>The attenuation should lie within &lt;0;100&gt;</translation>
    </message>
    <message>
        <source>Plik: %1
Touchstone %2, liczba portów: %3, częstotliwości: %4</source>
        <translation>File: %1
Touchstone %2, ports: %3, frequencies: %4</translation>
    </message>
    <message>
        <source> (od %1 do %2 MHz)</source>
        <translation> (%1 to %2 MHz)</translation>
    </message>
    <message>
        <source>Kolejność portów pary (pliki 4- i 8-portowe)</source>
        <translation>Port order of the pair (4- and 8-port files)</translation>
    </message>
    <message>
        <source>1,3 → 2,4: linia z portu 1 do 2 i z portu 3 do 4</source>
        <translation>1,3 → 2,4: line from port 1 to 2 and from port 3 to 4</translation>
    </message>
    <message>
        <source>1,2 → 3,4: linia z portu 1 do 3 i z portu 2 do 4</source>
        <translation>1,2 → 3,4: line from port 1 to 3 and from port 2 to 4</translation>
    </message>
    <message>
        <source>Tłumienie poniżej najniższej częstotliwości pliku</source>
        <translation>Attenuation below the lowest frequency of the file</translation>
    </message>
    <message>
        <source>Ekstrapolacja do 0 MHz: a + b·√f + c·f dopasowane do najniższej dekady</source>
        <translation>Extrapolation to 0 MHz: a + b·√f + c·f fitted to the lowest decade</translation>
    </message>
    <message>
        <source>Stały poziom najniższej częstotliwości</source>
        <translation>Constant level of the lowest frequency</translation>
    </message>
    <message>
        <source>Najwięcej punktów na listę:</source>
        <translation>Most points per list:</translation>
    </message>
    <message>
        <source>Wypełnij</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>%1 z %2</source>
        <translation>%1 from %2</translation>
    </message>
    <message>
        <source> (wyłączone w opcjach programu)</source>
        <translation> (switched off in the program options)</translation>
    </message>
    <message>
        <source>Tłumienie</source>
        <translation>Attenuation</translation>
    </message>
    <message>
        <source> (plik jednoportowy go nie zawiera)</source>
        <translation> (a one-port file does not hold it)</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>Echo</translation>
    </message>
    <message>
        <source>Przesłuchy</source>
        <translation>Crosstalk</translation>
    </message>
    <message>
        <source> (tylko z pliku 8-portowego: dwie pary)</source>
        <translation> (only from an 8-port file: two pairs)</translation>
    </message>
    <message>
        <source>: sprzężenie par na bliskim końcu</source>
        <translation>: near-end coupling of the pairs</translation>
    </message>
    <message>
        <source>Importuj</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Liczba punktów powinna zawierać się w przedziale &lt;%1;%2&gt;</source>
        <translation>The number of points should lie within &lt;%1;%2&gt;</translation>
    </message>
    <message>
        <source>%1  (od %2 do %3)</source>
        <translation>%1  (%2 to %3)</translation>
    </message>
    <message>
        <source>%1 powinna zawierać się w przedziale &lt;%2;%3&gt;</source>
        <translation>%1 should lie within &lt;%2;%3&gt;</translation>
    </message>
    <message>
        <source>Kabel</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>&amp;nbsp;&amp;nbsp; linie przerywane: limity %1</source>
        <translation>&amp;nbsp;&amp;nbsp; dashed lines: limits of %1</translation>
    </message>
    <message>
        <source>Kategoria:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Długość:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Wypełnij:</source>
        <translation>Fill:</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>The length</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>The temperature</translation>
    </message>
    <message>
        <source>Długość od %1 do %2 m, temperatura od %3 do %4 °C.</source>
        <translation>Length from %1 to %2 m, temperature from %3 to %4 °C.</translation>
    </message>
    <message>
        <source>Listy do %1 MHz: %2</source>
        <translation>Lists up to %1 MHz: %2</translation>
    </message>
    <message>
        <source>najwyższej częstotliwości filtru przy %1 Mbps.</source>
        <translation>the filter&apos;s highest frequency at %1 Mbps.</translation>
    </message>
    <message>
        <source>najwyższej częstotliwości kategorii.</source>
        <translation>the category&apos;s highest frequency.</translation>
    </message>
    <message>
        <source>
Przy %1 MHz: %2.</source>
        <translation>
At %1 MHz: %2.</translation>
    </message>
    <message>
        <source>błąd [V]</source>
        <translation>error [V]</translation>
    </message>
    <message>
        <source>Ustawienia analizy</source>
        <translation>Analysis settings</translation>
    </message>
    <message>
        <source> Ciągi i sygnały wejściowe </source>
        <translation> Input sequences and signals </translation>
    </message>
    <message>
        <source> Ciągi i sygnały wyjściowe </source>
        <translation> Output sequences and signals </translation>
    </message>
    <message>
        <source>Wykres okowy</source>
        <translation>Eye diagram</translation>
    </message>
    <message>
        <source>Analiza błędów</source>
        <translation>Error analysis</translation>
    </message>
    <message>
        <source>Postęp całkowity</source>
        <translation>Total progress</translation>
    </message>
    <message>
        <source>Przeprowadź symulację</source>
        <translation>Run the simulation</translation>
    </message>
    <message>
        <source>%1 błąd: %2</source>
        <translation>%1 an error: %2</translation>
    </message>
    <message>
        <source>%1 nieznany błąd.</source>
        <translation>%1 an unknown error.</translation>
    </message>
    <message>
        <source>Częstotliwość[MHz]</source>
        <translation>Frequency[MHz]</translation>
    </message>
    <message>
        <source>Tłumienie[dB]</source>
        <translation>Attenuation[dB]</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Wczytaj</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Rekalkulacja</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>Importuj Touchstone…</source>
        <translation>Import Touchstone…</translation>
    </message>
    <message>
        <source>Charakterystyka</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Granica łącza według %1: linia przerywana na wykresie</source>
        <translation>Link limit of %1: the dashed line on the chart</translation>
    </message>
    <message>
        <source>Znormalizowana odpowiedź impulsowa</source>
        <translation>Normalised impulse response</translation>
    </message>
    <message>
        <source>Symulator warstwy fizycznej</source>
        <translation>Physical layer simulator</translation>
    </message>
    <message>
        <source>sieci Ethernet na skrętce</source>
        <translation>of twisted-pair Ethernet</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Regeneracja</source>
        <translation>Regeneration</translation>
    </message>
    <message>
        <source>Kalkulacja BER przy pomocy ERF</source>
        <translation>BER calculation with ERF</translation>
    </message>
    <message>
        <source>Dekoder i ocena czasu poprawnej transmisji</source>
        <translation>Decoder and the correct transmission time</translation>
    </message>
    <message>
        <source>Rozkłady błędów</source>
        <translation>Error distributions</translation>
    </message>
    <message>
        <source>Niedostępne</source>
        <translation>Unavailable</translation>
    </message>
    <message>
        <source>Dostępne, domyślnie wyłączone</source>
        <translation>Available, off by default</translation>
    </message>
    <message>
        <source>Dostępne, domyślnie włączone</source>
        <translation>Available, on by default</translation>
    </message>
    <message>
        <source>Wyłączone</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Włączone</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Nie można zapisać ustawień w pliku %1.
Zmiany obowiązują do zamknięcia programu.</source>
        <translation>The settings cannot be saved in the file %1.
The changes hold until the program is closed.</translation>
    </message>
    <message>
        <source>Nowa</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Symulacja</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Kaskada</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Ustaw w poziomie</source>
        <translation>Tile horizontally</translation>
    </message>
    <message>
        <source>Ustaw w pionie</source>
        <translation>Tile vertically</translation>
    </message>
    <message>
        <source>Okno</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Analiza dla %1</source>
        <translation>Analysis of %1</translation>
    </message>
    <message>
        <source> Wersja: 0.99b </source>
        <translation> Version: 0.99b </translation>
    </message>
    <message>
        <source>Dalej</source>
        <translation>Next</translation>
    </message>
    <message>
        <source> Utwórz nową analizę </source>
        <translation> Create a new analysis </translation>
    </message>
    <message>
        <source>Otwórz analizę z dysku</source>
        <translation>Open an analysis from disk</translation>
    </message>
    <message>
        <source>Zapisz obraz wykresu</source>
        <translation>Save the chart image</translation>
    </message>
    <message>
        <source>Zapisz dane wykresu</source>
        <translation>Save the chart data</translation>
    </message>
    <message>
        <source>Obraz w tej skali byłby za duży; wybierz mniejszą skalę.</source>
        <translation>An image at this scale would be too large; choose a smaller scale.</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Grafika wektorowa SVG (*.svg)</source>
        <translation>SVG vector graphics (*.svg)</translation>
    </message>
    <message>
        <source>Dokument PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Obraz można zapisać jako plik .png, .svg lub .pdf.</source>
        <translation>The image can be saved as a .png, .svg or .pdf file.</translation>
    </message>
    <message>
        <source>Dane CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Kopiuj obraz</source>
        <translation>Copy image</translation>
    </message>
    <message>
        <source>Zapisz obraz…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>Zapisz dane…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Plik %1</source>
        <translation>%1 file</translation>
    </message>
    <message>
        <source>%1 nie jest zwykłym plikiem; nic nie zapisano.</source>
        <translation>%1 is not a regular file; nothing was saved.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1: %2</source>
        <translation>The file %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Skala obrazu (1 to %1 × %2 pikseli, jak na ekranie):</source>
        <translation>Image scale (1 is %1 × %2 pixels, as on the screen):</translation>
    </message>
    <message>
        <source>Charakterystyka z pliku parametrów S (.s1p, .s2p, .s4p, .s8p), np. z pomiaru analizatorem sieci</source>
        <translation>A characteristic from an S-parameter file (.s1p, .s2p, .s4p, .s8p), e.g. measured with a network analyser</translation>
    </message>
    <message>
        <source>Kalkulacja odpowiedzi</source>
        <translation>Calculating the response</translation>
    </message>
    <message>
        <source>Kalkulacja charakterystyki</source>
        <translation>Calculating the characteristic</translation>
    </message>
    <message>
        <source>Tlumienie</source>
        <translation>Attenuating</translation>
    </message>
    <message>
        <source>Regenracja</source>
        <translation>Regenerating</translation>
    </message>
    <message>
        <source>100BaseTX (bez 4B5B)</source>
        <translation>100BaseTX (without 4B5B)</translation>
    </message>
    <message>
        <source>Symulator warstwy fizycznej Ethernetu na skrętce.</source>
        <translation>Simulator of the physical layer of twisted-pair Ethernet.</translation>
    </message>
    <message>
        <source>Analizy do otwarcia (.lintavox albo JSON z lintavox-sim).</source>
        <translation>Analyses to open (.lintavox or JSON from lintavox-sim).</translation>
    </message>
    <message>
        <source>[plik…]</source>
        <translation>[file…]</translation>
    </message>
    <message>
        <source>Analizy Lintavox (*.%1)</source>
        <translation>Lintavox analyses (*.%1)</translation>
    </message>
    <message>
        <source>Otwieranie analizy</source>
        <translation>Opening an analysis</translation>
    </message>
    <message>
        <source>Wyniki lintavox-sim (*.json)</source>
        <translation>lintavox-sim results (*.json)</translation>
    </message>
    <message>
        <source>Wszystkie pliki (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Zapisywanie analizy</source>
        <translation>Saving the analysis</translation>
    </message>
    <message>
        <source>Zapisz także wyniki ostatniej symulacji</source>
        <translation>Save the results of the last simulation too</translation>
    </message>
    <message>
        <source>Przebiegi, wykresy i oceny błędów otworzą się bez ponownej symulacji.</source>
        <translation>The waveforms, charts and error estimates will open without running the simulation again.</translation>
    </message>
    <message>
        <source>Wyniki nie odpowiadają bieżącym ustawieniom albo symulacji jeszcze nie przeprowadzono.</source>
        <translation>The results do not match the current settings, or no simulation has been run yet.</translation>
    </message>
    <message>
        <source>Nie można otworzyć analizy „%1”.

%2</source>
        <translation>The analysis “%1” cannot be opened.

%2</translation>
    </message>
    <message>
        <source>Otwórz…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Zapisz analizę</source>
        <translation>Save analysis</translation>
    </message>
    <message>
        <source>Zapisz analizę jako…</source>
        <translation>Save analysis as…</translation>
    </message>
    <message>
        <source>Nie można zapisać analizy w pliku „%1”.</source>
        <translation>The analysis cannot be saved in the file “%1”.</translation>
    </message>
    <message>
        <source> Plik, który tam był, pozostał bez zmian.</source>
        <translation> The file that was there is unchanged.</translation>
    </message>
    <message>
        <source>Analiza „%1” została zmieniona. Czy zapisać zmiany?</source>
        <translation>The analysis “%1” has been changed. Save the changes?</translation>
    </message>
    <message>
        <source>Nie zapisuj</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source> Wanny BER (z rozkładów poziomów, log₁₀ BER) </source>
        <translation> BER bathtubs (from the level distributions, log₁₀ BER) </translation>
    </message>
    <message>
        <source>BER a faza próbkowania [UI], chwila próbkowania w środku; × BER zliczony</source>
        <translation>BER against the sampling phase [UI], the sampling instant in the middle; × counted BER</translation>
    </message>
    <message>
        <source>BER a próg decyzji [V] w chwili próbkowania</source>
        <translation>BER against the decision threshold [V] at the sampling instant</translation>
    </message>
    <message>
        <source>zamknięte</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>Widok:</source>
        <translation>View:</translation>
    </message>
    <message>
        <source>Przebiegi nałożone</source>
        <translation>Overlaid traces</translation>
    </message>
    <message>
        <source>Gęstość</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Skala logarytmiczna</source>
        <translation>Logarithmic scale</translation>
    </message>
    <message>
        <source>Znaczniki pomiarów</source>
        <translation>Measurement markers</translation>
    </message>
    <message>
        <source>Tor</source>
        <translation>Lane</translation>
    </message>
    <message>
        <source>Oko</source>
        <translation>Eye</translation>
    </message>
    <message>
        <source>Wysokość
[mV]</source>
        <translation>Height
[mV]</translation>
    </message>
    <message>
        <source>Wysokość 3σ
[mV]</source>
        <translation>3σ height
[mV]</translation>
    </message>
    <message>
        <source>Szerokość
[UI]</source>
        <translation>Width
[UI]</translation>
    </message>
    <message>
        <source>Szerokość
[ns]</source>
        <translation>Width
[ns]</translation>
    </message>
    <message>
        <source>Szerokość przy
BER 10⁻¹² [UI]</source>
        <translation>Width at
BER 10⁻¹² [UI]</translation>
    </message>
    <message>
        <source>Próg
[V]</source>
        <translation>Threshold
[V]</translation>
    </message>
    <message>
        <source>Poziom dolny
[V]</source>
        <translation>Lower level
[V]</translation>
    </message>
    <message>
        <source>σ dolny
[mV]</source>
        <translation>Lower σ
[mV]</translation>
    </message>
    <message>
        <source>Poziom górny
[V]</source>
        <translation>Upper level
[V]</translation>
    </message>
    <message>
        <source>σ górny
[mV]</source>
        <translation>Upper σ
[mV]</translation>
    </message>
    <message>
        <source>Amplituda
[mV]</source>
        <translation>Amplitude
[mV]</translation>
    </message>
    <message>
        <source>Przecięcie
[%]</source>
        <translation>Crossing
[%]</translation>
    </message>
    <message>
        <source>liczba (log)</source>
        <translation>count (log)</translation>
    </message>
    <message>
        <source>liczba</source>
        <translation>count</translation>
    </message>
</context>
</TS>
