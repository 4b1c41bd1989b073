#include "ccoord.h"

CCoord::CCoord() = default;

CCoord::~CCoord() = default;
