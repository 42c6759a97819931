#include "LanguageTexts.h"

namespace {

constexpr LanguageTexts kRussian = {
    .codePage = WindowsCodePage::k1251,
    .title = "Отчет оптимизации",
    .symbol = "Символ",
    .period = "Период",
    .model = "Модель",
    .initialDeposit = "Начальный депозит",
    .spread = "Спред",
    .hourlyPeriod = "1 Час (H1)",
    .everyTickModel =
        "Все тики (наиболее точный метод на основе всех наименьших доступных таймфреймов)",
    .controlPointsModel =
        "Контрольные точки (быстрый метод на основе ближайшего меньшего таймфрейма)",
    .currentSpread = "Текущий",
    .captions = {"Проход", "Прибыль", "Всего сделок", "Прибыльность", "Матожидание", "Просадка $",
                 "Просадка %"},
};

constexpr LanguageTexts kEnglish = {
    .codePage = WindowsCodePage::k1252,
    .title = "Optimization Report",
    .symbol = "Symbol",
    .period = "Period",
    .model = "Model",
    .initialDeposit = "Initial deposit",
    .spread = "Spread",
    .hourlyPeriod = "1 Hour (H1)",
    .everyTickModel =
        "Every tick (the most precise method based on all available least timeframes)",
    .controlPointsModel = "Control points (a quick method based on the nearest less timeframe)",
    .currentSpread = "Current",
    .captions = {"Pass", "Profit", "Total trades", "Profit factor", "Expected Payoff", "Drawdown $",
                 "Drawdown %"},
};

constexpr LanguageTexts kGerman = {
    .codePage = WindowsCodePage::k1252,
    .title = "Optimierungsbericht",
    .symbol = "Symbol",
    .period = "Zeitraum",
    .model = "Modell",
    .initialDeposit = "Ersteinlage",
    .spread = "Spread",
    .hourlyPeriod = "1 Stunde (H1)",
    .everyTickModel =
        "Jeder Tick (die genaueste Methode auf Basis aller verfügbaren kleinsten Zeitrahmen)",
    .controlPointsModel =
        "Kontrollpunkte (eine schnelle Methode auf Basis des nächstkleineren Zeitrahmens)",
    .currentSpread = "Aktuell",
    .captions = {"Durchlauf", "Gewinn", "Trades gesamt", "Profitfaktor", "Erwartetes Ergebnis",
                 "Rückgang $", "Rückgang %"},
};

constexpr LanguageTexts kSpanish = {
    .codePage = WindowsCodePage::k1252,
    .title = "Informe de optimización",
    .symbol = "Símbolo",
    .period = "Período",
    .model = "Modelo",
    .initialDeposit = "Depósito inicial",
    .spread = "Spread",
    .hourlyPeriod = "1 Hora (H1)",
    .everyTickModel =
        "Todos los ticks (el método más preciso basado en todos los marcos "
        "temporales menores disponibles)",
    .controlPointsModel =
        "Puntos de control (un método rápido basado en el marco temporal menor más cercano)",
    .currentSpread = "Actual",
    .captions = {"Pasada", "Ganancia", "Total de operaciones", "Factor de beneficio",
                 "Beneficio esperado", "Pérdida máxima $", "Pérdida máxima %"},
};

constexpr LanguageTexts kPolish = {
    .codePage = WindowsCodePage::k1250,
    .title = "Raport optymalizacji",
    .symbol = "Symbol",
    .period = "Okres",
    .model = "Model",
    .initialDeposit = "Depozyt początkowy",
    .spread = "Spread",
    .hourlyPeriod = "1 Godzina (H1)",
    .everyTickModel =
        "Każdy tik (najdokładniejsza metoda oparta na wszystkich dostępnych "
        "najmniejszych przedziałach czasowych)",
    .controlPointsModel =
        "Punkty kontrolne (szybka metoda oparta na najbliższym mniejszym przedziale czasowym)",
    .currentSpread = "Bieżący",
    .captions = {"Przejście", "Zysk", "Wszystkie transakcje", "Współczynnik zysku",
                 "Oczekiwana wypłata", "Obsunięcie $", "Obsunięcie %"},
};

constexpr LanguageTexts kGreek = {
    .codePage = WindowsCodePage::k1253,
    .title = "Αναφορά βελτιστοποίησης",
    .symbol = "Σύμβολο",
    .period = "Περίοδος",
    .model = "Μοντέλο",
    .initialDeposit = "Αρχική κατάθεση",
    .spread = "Spread",
    .hourlyPeriod = "1 Ώρα (H1)",
    .everyTickModel =
        "Κάθε τικ (η πιο ακριβής μέθοδος με βάση όλα τα διαθέσιμα μικρότερα "
        "χρονικά πλαίσια)",
    .controlPointsModel =
        "Σημεία ελέγχου (γρήγορη μέθοδος με βάση το πλησιέστερο μικρότερο χρονικό πλαίσιο)",
    .currentSpread = "Τρέχον",
    .captions = {"Πέρασμα", "Κέρδος", "Σύνολο συναλλαγών", "Συντελεστής κέρδους",
                 "Αναμενόμενη απόδοση", "Πτώση κεφαλαίου $", "Πτώση κεφαλαίου %"},
};

}  // namespace

const LanguageTexts& LanguageTextsOf(ReportLanguage language) {
  switch (language) {
    case ReportLanguage::kRussian:
      return kRussian;
    case ReportLanguage::kEnglish:
      return kEnglish;
    case ReportLanguage::kGerman:
      return kGerman;
    case ReportLanguage::kSpanish:
      return kSpanish;
    case ReportLanguage::kPolish:
      return kPolish;
    case ReportLanguage::kGreek:
      return kGreek;
  }
  return kRussian;
}
