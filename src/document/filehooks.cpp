#include "document/filehooks.h"

DocumentFileHooks DocumentFileHooks::served;
