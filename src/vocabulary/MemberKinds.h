// The kinds of member, and everything the writers do differently for each,
// in one table: a row per kind holds its types, the rules of entry (what
// may be a key, searched or left optional), its row on the add and edit
// forms, the code that reads it back and shows it, and its part of the
// complete query form's search. Writers ask a member's row; none tests
// which kind a member is, so a new kind is a new row.
//
// The SQL of each kind (column types, parameter types, the show list) is
// the dialect's (vocabulary/SqlDialect.h).
//
// Texts with $name$ are filled by a TCodeWriter: $m$ the member name, $mi$
// the member name as a C# identifier on its own, $c$ the member's comment,
// $inst$ the entity's instance name, $item$ a data-reader item, $col$ a
// column in SQL, $ctl$ a control's name. Texts of several lines are written with
// TCodeWriter::Lines: each line as it reads in the generated file.
#pragma once

#include <span>
#include <string_view>

#include "vocabulary/Member.h"

// A member's kind: its type, a reference resolved by the key of the class it
// names (an integer reference when that key is an integer key, else a
// string one). A reference to the member's own class is a kind of its own:
// it may be empty (the first row has nothing to refer to).
enum class TFieldKind {
  String,
  Integer,
  Float,
  Date,
  Image,
  IntegerReference,
  StringReference,
  Boolean,
  OwnIntegerReference,
  OwnStringReference,
  Choice,  // the last: loops over every kind end here
};

// The one place a member's kind is decided. Any type that is not a base
// type word names a class; referencedKey is that class's key member (null
// when there is none, which reads as a string reference; such designs are
// refused before writing); ownClass is the name of the member's own class
// (empty when unknown); a string member with choices is a Choice member.
TFieldKind FieldKindOf(std::string_view memberType, const TMember* referencedKey = nullptr,
                       std::string_view ownClass = {}, bool hasChoices = false);

// The kind of a class's key in generated code: integer exactly when the key
// member's integer flag is set, string otherwise.
inline TFieldKind KeyKind(const TMember& key) {
  return key.IsInteger() ? TFieldKind::Integer : TFieldKind::String;
}

// How a kind's values are written as a default, a bound or a choice: none
// (the kind takes no such value), text, a whole number, a number, or yes/no
// (是 or 否).
enum class TValueForm { None, Text, Integer, Number, YesNo };

// One control of a member's row on the add and edit forms. In its texts
// $ctl$ is its name, $y$ its top, $t$ its TabIndex, $len$ the member's
// length, $c$ its comment and $items$ its choices (C# literals, one a line).
// The controls of a row follow its label in TabIndex order.
struct TFormControl {
  std::string_view prefix;       // of its name, before the member name
  std::string_view type;         // System.Windows.Forms.<type>
  std::string_view created;      // lines right after its creation
  std::string_view commentOpen;  // the separators around its comment: "// " or "//"
  std::string_view commentClose;
  std::string_view properties;  // its property lines
  int dy;                       // its top below the top of the row's label
};

// One control of a member's place on the complete query form's search
// lines, after the member's label. $ctl$ is its name, $items$ the member's
// choices as on the forms. Location, Name, Size and TabIndex come between
// the lines before and after.
struct TSearchControl {
  std::string_view prefix;
  std::string_view type;
  std::string_view before;
  std::string_view after;
  int dx;  // right of the place's left edge
  int width, height;
};

struct TKindInfo {
  // ---- Types --------------------------------------------------------------
  std::string_view csType{};  // entity property and locals
  // csType's name in System where a designed class of that name would hide
  // it (the entity then spells it System.<name>); empty for a keyword.
  std::string_view systemName{};
  std::string_view readerConversion{};  // data-reader item to the C# type
  // The column takes NULL whatever the member's flags; a NULL read leaves
  // the property at its default.
  bool nullable = false;

  // ---- Rules ----------------------------------------------------------------
  bool mayBeKey = false;
  // Only a kind that may be optional follows the member's must flag; a
  // member of any other kind is required whatever its flag says.
  bool mayBeOptional = false;
  bool hasLength = false;  // the length counts (1 to 8000); any other kind stores 0
  // The integer and float flags a member of the kind is stored with.
  bool setsIntegerFlag = false;
  bool setsFloatFlag = false;
  bool refersToClass = false;  // the type names a class of the project
  // A member of the kind may be flagged required; a reference to its own
  // class may not (the first record could never be stored).
  bool mayBeRequired = true;

  // ---- Constraints -----------------------------------------------------------
  bool mayBeUnique = false;
  TValueForm values = TValueForm::None;  // a default's form; None: no default
  bool hasRange = false;                 // a minimum and a maximum (numbers)
  bool hasChoices = false;               // a fixed list, which makes it a Choice member
  // The column's default when the member sets none (SQL, as the dialect takes it).
  std::string_view columnDefault{};
  // The add form's load line giving the row its default ($value$: a C# literal).
  std::string_view setDefault{};

  // ---- As a class's key (the integer and string rows) --------------------
  bool keyByDatabase = false;        // the database gives it: the add form has no key row
  std::string_view keyOnEditForm{};  // the key's type on the edit form
  std::string_view keyFromCell{};    // the key read from the query grid's first cell

  // ---- Add and edit forms --------------------------------------------------
  std::string_view labelCommentClose{};  // the separator closing the label's comment
  std::span<const TFormControl> controls{};
  int rowHeight = 0;  // to the next row's top
  // Form code. formValue: the value read back from the row's controls.
  // emptyTest: when set, a required member is refused while it holds (and
  // the row's first control gets the focus).
  // entry: the lines that store $value$ in the entity ($note$: entryNote),
  // optionalEntry those of a member that is not required.
  std::string_view formValue{};
  std::string_view emptyTest{};
  std::string_view entry{};
  std::string_view optionalEntry{};
  std::string_view entryNote{};
  std::string_view formMethods{};  // methods of both forms (an image's upload handler)
  std::string_view addFormLoad{};  // the add form's load handler
  // The edit form's lines that show the record's value (none for a
  // drop-down: its binding selects it).
  std::string_view showOnEditForm{};
  // A reference drop-down's lines after the fetch of the referenced rows
  // ($r$Ds), and the test that guards the edit form's selection of the
  // record's value (both empty for a reference that always holds one).
  std::string_view referenceRows{};
  std::string_view selectionGuard{};
  // The edit form's load handler declares locals named after the member:
  // the member's own name and ms_<name>.
  bool namesLocals = false;

  // ---- Complete query form -----------------------------------------------
  int searchPlaces = 0;  // places it takes on a search line; 0: it may not be searched
  std::span<const TSearchControl> searchControls{};
  std::string_view searchCondition{};  // adds to `conditions` what the user asked for
  std::string_view searchReset{};
  // A reference's condition that its column ($col$) holds the key $key$ (a
  // grid cell's value) of the record it refers to: the details of a master
  // record.
  std::string_view detailCondition{};

  // ---- Data access ------------------------------------------------------------
  // A statement parameter's value from the entity.
  std::string_view parameterValue = "$inst$.$mi$";

  bool MayBeSearched() const { return searchPlaces > 0; }
};

const TKindInfo& KindInfo(TFieldKind kind);
