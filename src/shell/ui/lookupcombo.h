#pragma once

class QComboBox;

// Lets typing pick an entry of a lookup list whose shown column is not the
// model's first one (the key is column 0). Qt starts a keyboard search in
// column 0 while the box has no current entry, so typing found nothing until
// an entry had been chosen with the mouse. Call once, before the model is set.
void UseShownColumnForTyping(QComboBox *box);
