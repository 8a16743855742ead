#pragma once

namespace rylmo::app {
class TForm1;
}

namespace rylmo::trains {

// "Dodaj pociąg", "Edytuj pociąg" and "Usuń pociąg" on the main window's document and list.
void TrAddExecute(app::TForm1& window);
void TrEdExecute(app::TForm1& window);
void TrDelExecute(app::TForm1& window);

}  // namespace rylmo::trains
