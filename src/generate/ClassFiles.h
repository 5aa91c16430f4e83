// What every per-class generator starts from: the class's key and
// referenced classes (or the error that the design cannot be written), a
// code writer holding the class's names, and the loops that write a file
// per class.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "generate/GeneratorContext.h"
#include "vocabulary/CodeWriter.h"
#include "vocabulary/Design.h"

// A design that cannot be written (a class without key member, a reference
// to a class that is missing); the message names the class and member.
class TGenerationError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The class's key member; a TGenerationError when it has none.
const TDesignMember& KeyMember(const TDesignClass& cls);

// The class of a reference member, with its key and display member; a
// TGenerationError naming the member when one of them is missing.
struct TReferenced {
  const TDesignClass& cls;
  const TMember& key;
  const TMember& display;
};
TReferenced Referenced(const TDesign& design, const TDesignClass& owner, const TDesignMember& m);

// The class's members whose values must be unique, the key aside (a key
// is unique already): the forms ask the DAL before they write.
std::vector<const TDesignMember*> UniqueMembers(const TDesignClass& cls);

// A writer holding the class's values: $C$ class name (as part of longer
// names: dalBook, FrmAddBook), $CT$ the entity type as code names it,
// $inst$ the entity variable, $F$ friendly name; for the key member, when
// there is one, $k$ its name, $ki$ the name as a C# identifier.
TCodeWriter ClassWriter(const TDesignClass& cls);

using TClassBuilder = std::function<std::string(const TDesignClass&)>;
using TClassStep = std::function<void(const TDesignClass&)>;

// One file per class, in class order: "<projectDir>/<prefix><Class><suffix>"
// written by build, each announced by its progress line; after each file,
// `after` (when given) does what belongs right after it.
void WriteClassFiles(TGeneratorContext& ctx, const TDesign& design, std::string_view projectDir,
                     std::string_view prefix, std::string_view suffix, const TClassBuilder& build,
                     const TClassStep& after = {});

// A tier project (Model, DAL, BLL): its project file from the template with
// one compile line per class, then the class files "<prefix><Class>.cs".
void WriteTier(TGeneratorContext& ctx, const TDesign& design, std::string_view projectDir,
               std::string_view prefix, const TClassBuilder& build);
