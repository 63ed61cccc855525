#include "Wersja.h"
