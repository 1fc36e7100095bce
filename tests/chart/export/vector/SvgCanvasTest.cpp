// The SVG canvas.
#include "VectorTestSupport.h"
