// The datum change in a build without PROJ (VAZ_DATUM=OFF, e.g. for
// Windows): every attempt says so, and nothing is ever converted.
#include "Datumswechsel.h"

void Datumswechsel::Loescher::operator()(PJconsts*) const {}

Datumswechsel::Datumswechsel() : kontext_(nullptr, [](pj_ctx*) {}) {
  throw Datumsabbruch(Datumsabbruch::Art::NichtEnthalten,
                      "Der Datumswechsel (ETRS89, UTM) ist in dieser Ausgabe des Programms "
                      "nicht enthalten.");
}

Datumswechsel::~Datumswechsel() = default;

void Datumswechsel::Umrechnen(std::span<Datumspunkt>, Bezugssystem, Bezugssystem, int) {}
