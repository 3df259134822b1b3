#include "Fensterdaten.h"

Fensterdatensatz Fensterdaten;
