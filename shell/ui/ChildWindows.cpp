#include "ChildWindows.h"

#include "PlaceholderWindow.h"
#include "ShellState.h"
#include "TFoIstDef.h"
#include "TFoNomUte.h"
#include "TFoOrbMorva.h"

namespace qx {

const std::array<WindowEntry, kWindowCount> kWindowTable = {{
    {WindowId::FoMorva, "TFoMorva", "QxMorva - MAR 2015  Demo"},
    {WindowId::FoNomUte, "TFoNomUte", "Cambio Nome Utente"},
    {WindowId::FormRich, "TFormRich", "Richiamo Dati da Archivio"},
    {WindowId::FgrNaMorva, "TFgrNaMorva", ""},
    {WindowId::FoMetGra, "TFoMetGra", ""},
    {WindowId::FoPrint, "TFoPrint", ""},
    {WindowId::FoOrbMorva, "TFoOrbMorva", "Variazione Orbite Aspetti"},
    {WindowId::FoInputMorva, "TFoInputMorva", "Introduzione Dati di Nascita"},
    {WindowId::FormRegMorva, "TFormRegMorva", "Registrazione Dati Nascita"},
    {WindowId::FoCancel, "TFoCancel", "Eliminazione Dati da Archivio"},
    {WindowId::FgrTxtMorva, "TFgrTxtMorva", ""},
    {WindowId::FoSpeLin, "TFoSpeLin", "Spessore Linee"},
    {WindowId::FoStampa, "TFoStampa", "Stampante"},
    {WindowId::FoTerapi, "TFoTerapi", "TERAPIE"},
    {WindowId::FoSintom2, "TFoSintom2", ""},
    {WindowId::FoSintom3, "TFoSintom3", ""},
    {WindowId::FoModifi, "TFoModifi", "Modifica Dati di Nascita"},
    {WindowId::FoMainArc, "TFoMainArc", "DATABASE  PRIMARIO"},
    {WindowId::FoAggRep, "TFoAggRep", "REPERTORIO TERAPIE"},
    {WindowId::FoAggiorna, "TFoAggiorna", "SITUAZIONE AGGIORNAMENTI"},
    {WindowId::FoReMaiH, "TFoReMaiH", ""},
    {WindowId::FoSegnat, "TFoSegnat", "SEGNATURE  ASTROLOGICHE"},
    {WindowId::FoUtilit, "TFoUtilit", "Utility Ricerca"},
    {WindowId::FoPiante, "TFoPiante", "PIANTE e PRINCIPI ATTIVI"},
    {WindowId::FoMali, "TFoMali", "DEBILITA' ASTROLOGICHE / PATOLOGIE"},
    {WindowId::FoSintesi, "TFoSintesi", "SINTESI PSICHICA"},
    {WindowId::FgrMorva, "TFgrMorva", ""},
    {WindowId::FoIstDef, "TFoIstDef", "Selezionare"},
}};

const WindowEntry& windowEntry(WindowId id) { return kWindowTable.at(std::size_t(int(id) - 1)); }

QString instanceName(const WindowEntry& entry) {
  return QString::fromLatin1(entry.className.substr(1).data(), qsizetype(entry.className.size() - 1));
}

namespace {

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The windows built so far; every other one is a placeholder.
QWidget* createBuiltWindow(WindowId id, ShellState& state, QWidget* parent) {
  switch (id) {
    case WindowId::FoNomUte: return new TFoNomUte(state.folder(), state.userName(), parent);
    case WindowId::FoOrbMorva: return new TFoOrbMorva(state.folder(), parent);
    case WindowId::FoIstDef: return new TFoIstDef(state.folder(), parent);
    default: return nullptr;
  }
}

}  // namespace

ChildWindows::ChildWindows(ShellState& state, QWidget* mainWindow) {
  for (const WindowEntry& entry : kWindowTable) {
    if (entry.id == WindowId::FoMorva) continue;
    QWidget* window = createBuiltWindow(entry.id, state, mainWindow);
    if (!window) window = new PlaceholderWindow(latin1(entry.className), instanceName(entry), latin1(entry.caption), mainWindow);
    if (window->objectName().isEmpty()) window->setObjectName(instanceName(entry));
    window->hide();
    windows_[std::size_t(entry.id)] = window;
  }
}

QWidget* ChildWindows::window(WindowId id) const { return windows_.at(std::size_t(id)); }

bool ChildWindows::isBuilt(WindowId id) const {
  const QWidget* w = window(id);
  return w && !qobject_cast<const PlaceholderWindow*>(w);
}

}  // namespace qx
