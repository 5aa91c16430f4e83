#include "generate/AutoCode.h"

TAutoCode::TAutoCode(TGenerationRequest request, TGenerationHost& host)
    : request_(std::move(request)), host_(host) {}

void TAutoCode::Execute() { host_.Failed("not yet"); }

std::filesystem::path ResourceDirectory() { return {}; }
