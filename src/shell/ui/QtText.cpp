#include "shell/ui/QtText.h"
