#include "base/applicationstate.h"

TApplicationState &TApplicationState::instance()
{
    static TApplicationState state;
    return state;
}

void TApplicationState::setInternetStatus(int colour)
{
    if (colour == m_internetStatus)
        return;
    m_internetStatus = colour;
    emit internetStatusChanged(colour);
}
