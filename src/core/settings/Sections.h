#pragma once

#include "settings/Section.h"

#include <memory>

// The sections of the catalogue, one per editor, each made beside its codec's
// field list in this folder.
namespace program::settings {

std::unique_ptr<Section> makeOptionalSection();
std::unique_ptr<Section> makeKeysSection();
std::unique_ptr<Section> makeMskSection();
std::unique_ptr<Section> makeDtmfSection();
std::unique_ptr<Section> makeTwoToneSection();
std::unique_ptr<Section> makeSqlSection();
std::unique_ptr<Section> makeParamsSection();
std::unique_ptr<Section> makeSoftInfoSection();

} // namespace program::settings
