#include "base/ui/QtText.h"
