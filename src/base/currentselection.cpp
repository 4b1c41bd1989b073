#include "base/currentselection.h"

TCurrentSelection &CurrentSelection()
{
    static TCurrentSelection selection;
    return selection;
}
