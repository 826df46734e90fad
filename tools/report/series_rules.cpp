#include "series_rules.h"

#include "series_catalogue.h"

namespace {

// By series_generator_id, from gen_arith on (UTF-8: the report is a web page).
const char* const rule_texts[gen_count] = {
    nullptr,
    "Gleicher Schritt: jede Zahl ist die vorige plus dieselbe Zahl.",
    "Gleicher Schritt, beginnend im Minusbereich.",
    "Zickzack: einige Schritte hinauf, ebenso viele hinab, immer gleich weit.",
    "Zickzack im Minusbereich: einige Schritte hinauf, ebenso viele hinab.",
    "Zwei Schritte im Wechsel: abwechselnd die eine und die andere Zahl addieren.",
    "Wachsender Schritt: der Abstand wird jedes Mal um 1 größer.",
    "Schrumpfender Schritt: der Abstand wird jedes Mal um 1 kleiner.",
    "Zwei Reihen verschränkt: jede zweite Zahl bleibt gleich, die anderen wachsen gleichmäßig.",
    "Hin und her: zwei Zahlen wechseln sich ab.",
    "Pendel: der Schritt wechselt das Vorzeichen und wird jedes Mal um 1 größer.",
    "Verschränkt: eine Reihe zählt um 1 weiter, die andere verdoppelt ihren Abstand.",
    "Fächer: eine Reihe steigt gleichmäßig, die andere fällt gleichmäßig.",
    "Verschränkt: jede zweite Zahl bleibt gleich, die anderen steigen gleichmäßig.",
    "Verschränkt: jede zweite Zahl bleibt gleich, bei den anderen wächst der Schritt.",
    "Zwei Reihen verschränkt, in beiden verdoppelt sich der Abstand.",
    "Spiegelzahlen: von vorn und von hinten gelesen gleich.",
    "Gleicher Schritt, Start und Schritt auch negativ.",
    "Malreihe: jede Zahl ist die vorige mal dieselbe Zahl.",
    "Drei Schritte im Wechsel: die drei Abstände wiederholen sich.",
    "Plus und mal im Wechsel: abwechselnd dieselbe Zahl addieren und mit derselben Zahl malnehmen.",
    "Summenfolge: jede Zahl ist die Summe der zwei vorigen.",
    "Von beiden Enden: eine Reihe läuft von links, die andere von rechts, beide gleichmäßig.",
    "Wachsendes Pendel: +1, −2, +3, −4, … im Wechsel.",
    "Primzahlen, vervielfacht, aufsteigend.",
    "Primzahlen, vervielfacht, absteigend.",
    "Quadratzahlen (1, 4, 9, 16, …) plus dieselbe Zahl.",
    "Verschränkt: an ungeraden Stellen Quadratzahlen plus eine Zahl, an geraden die Zahl minus die Stelle.",
    "Verschränkt: Quadratzahlen plus und minus dieselbe Zahl im Wechsel.",
    "Abstände wachsen selbst: 2, 6, 12, 20, 30, … (zweite Stufe).",
    "Zusammengesetzte Zahlen (keine Primzahlen): 4, 6, 8, 9, 10, …",
    "Ziffernschritt: jede Zahl ist die vorige plus deren Zehnerzahl und Einerziffer.",
    "Dreiersumme: jede Zahl ist die Summe der drei vorigen.",
    "Plus und mal mit der Stelle: +2, ×2, +4, ×4, +6, ×6, …",
    "Differenzkette: jede Zahl ist die vorvorige minus die vorige.",
    "Rechteckzahlen 0, 2, 6, 12, 20, … (Stelle mal Stelle minus 1) plus dieselbe Zahl.",
    "Quadratpendel: die Abstände sind Quadratzahlen, im Wechsel hinauf und hinab.",
    "Nullsumme: alle neun Zahlen ergeben zusammen 0.",
};

}  // namespace

const char* series_rule_text(int code) {
  const catalogue_entry* entry = catalogue_lookup(code);
  if (entry == nullptr || entry->generator == gen_none || entry->generator >= gen_count) return nullptr;
  return rule_texts[entry->generator];
}
