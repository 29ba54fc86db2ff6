#pragma once

#include <string>

// One record: what the store's cursor yields, the head of an intersection and the
// rows of an object description.
struct ObjectSummary {
    int kind = -1;
    bool visible = false;
    std::string name;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
