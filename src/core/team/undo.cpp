#include "team/undo.h"

const char* squadChangeLabel(SquadChange change)
{
    switch (change) {
    case SquadChange::DeletePlayer: return "Spieler löschen";
    case SquadChange::PlayerCount: return "Anzahl der Spieler";
    case SquadChange::ClearPaarkreuz: return "Paarkreuz löschen";
    case SquadChange::Rename: return "Umbenennen";
    case SquadChange::Move: return "Aufstellung ändern";
    }
    return "";
}

std::string undoMenuText(const char* label) { return label ? std::string("Rückgängig: ") + label : "Rückgängig"; }

std::string redoMenuText(const char* label) { return label ? std::string("Wiederholen: ") + label : "Wiederholen"; }
