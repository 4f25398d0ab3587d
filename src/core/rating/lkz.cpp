#include "rating/lkz.h"


const LeagueRow LeagueTable[leagueCount] = {
    {"1. Bundesliga", 234},  {"2. Bundesliga", 216}, {"Regionalliga", 198},   {"Oberliga", 180},
    {"Hamburg-Liga", 162},   {"1. Landesliga", 144}, {"2. Landesliga", 126},  {"1. Bezirksliga", 108},
    {"2. Bezirksliga", 90},  {"1. Kreisliga", 72},   {"2. Kreisliga", 54},    {"3. Kreisliga", 36},
    {"4. Kreisliga", 18},
};

int leagueBase(int index)
{
    if (index < 0 || index >= leagueCount)
        return 0;
    return LeagueTable[index].base;
}

double computeLkz(double base, double teamCount, double matches, double won1, double lost1,
                  double won2, double lost2, double won3, double lost3)
{
    const double singles = won1 + lost1 + won2 + lost2 + won3 + lost3;
    if (singles == 0)
        return base;
    // In this order, operation by operation, the figures are the ones every earlier version showed.
    const double* factor = lkzWeights.paarkreuz;
    double t = (won1 * factor[0] - lost1) + (won2 * factor[1] - lost2);
    t = t + (won3 * factor[2] - lost3);
    t = t * (lkzWeights.teams / (teamCount - 1.0));
    t = t * ((matches * lkzWeights.matches) / singles);
    return t + base;
}

double computeLkz(const LkzInputs& in)
{
    return computeLkz(leagueBase(in[League]), in[TeamCount], in[Matches], in[Won1], in[Lost1], in[Won2], in[Lost2],
                      in[Won3], in[Lost3]);
}
