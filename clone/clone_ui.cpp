#include "clone/clone_ui.h"

std::vector<STone> SuccessTones()
{
    return {{1000, 50, 50}, {1000, 50, 500}};
}

std::vector<STone> FailureTones()
{
    return {{500, 400, 100}, {500, 400, 100}, {500, 400, 100}, {500, 400, 500}};
}
