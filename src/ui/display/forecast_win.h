#pragma once
// The forecast window ("Prognose"): the current player's LKZ after each result of the next match.

// Opens it modally over the main dialog, for the values the page shows.
void showForecast();
