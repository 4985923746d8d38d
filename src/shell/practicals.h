#pragma once

#include "heart/model/heart_state.h"
#include "ileum/model/ileum_state.h"
#include "oesophagus/model/oesophagus_state.h"
#include "rabbit/model/rabbit_state.h"

// The four practicals' states, owned by the program for as long as it runs;
// each front page starts its practical afresh and each practical's windows
// share its state.
struct Practicals
{
    Heart::HeartPractical heart;
    ileum::IleumPractical ileum;
    Mod_Oeso::OesoPractical oesophagus;
    Rab_eye::RabPractical rabbit;
};
