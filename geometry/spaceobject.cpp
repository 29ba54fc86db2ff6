#include "geometry/spaceobject.h"

SpaceObject::~SpaceObject() = default;
