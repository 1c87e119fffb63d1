#include "cli/skin_info_json.h"

#include "cli/json_writer.h"
#include "paint/bitmap32.h"

namespace vorlan::cli {
namespace {

using skin::TRect;

void Number(JsonWriter& json, std::string_view key, std::int64_t value) {
  json.Key(key);
  json.Value(value);
}

void Flag(JsonWriter& json, std::string_view key, bool value) {
  json.Key(key);
  json.Value(value);
}

void Text(JsonWriter& json, std::string_view key, std::u16string_view value) {
  json.Key(key);
  json.Value(value);
}

void Rect(JsonWriter& json, std::string_view key, const TRect& rect) {
  json.Key(key);
  json.BeginArray();
  for (const std::int32_t side : {rect.Left, rect.Top, rect.Right, rect.Bottom}) json.Value(std::int64_t{side});
  json.EndArray();
}

void WriteState(JsonWriter& json, const skin::TSkinGenState& state) {
  json.BeginObject();
  Number(json, "glowSize", state.GlowSize);
  Number(json, "imagePercent", state.ImagePercent);
  Number(json, "textureIndex", state.TextureIndex);
  Number(json, "transparency", state.Transparency);
  Number(json, "gradientPercent", state.GradientPercent);
  Number(json, "color", state.Color);
  Number(json, "glowColor", state.GlowColor);
  json.Key("fontColor");
  json.BeginObject();
  Number(json, "color", state.FontColor.Color);
  Number(json, "left", state.FontColor.Left);
  Number(json, "top", state.FontColor.Top);
  Number(json, "right", state.FontColor.Right);
  Number(json, "bottom", state.FontColor.Bottom);
  json.EndObject();
  json.Key("gradientArray");
  json.BeginArray();
  for (const skin::TSkinGradPie& pie : state.GradientArray) {
    json.BeginObject();
    Number(json, "color1", pie.Color1);
    Number(json, "color2", pie.Color2);
    Number(json, "percent", pie.Percent);
    Number(json, "mode1", pie.Mode1);
    Number(json, "mode2", pie.Mode2);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void WriteSection(JsonWriter& json, const skin::TSkinGeneralData& section) {
  json.BeginObject();
  Text(json, "parentClass", section.ParentClass);
  Text(json, "className", section.ClassName);
  json.Key("props");
  json.BeginArray();
  for (const skin::TSkinGenState& state : section.Props) WriteState(json, state);
  json.EndArray();
  Flag(json, "useState2", section.UseState2);
  Flag(json, "giveOwnFont", section.GiveOwnFont);
  Flag(json, "reservedBoolean", section.ReservedBoolean);
  Number(json, "states", section.States);
  Number(json, "scrollBorderOffset", section.ScrollBorderOffset);
  Number(json, "glowCount", section.GlowCount);
  Number(json, "glowMargin", section.GlowMargin);
  Number(json, "glowSize", section.GlowSize);
  Number(json, "hotGlowSize", section.HotGlowSize);
  Number(json, "borderIndex", section.BorderIndex);
  Number(json, "imgTL", section.ImgTL);
  Number(json, "imgTR", section.ImgTR);
  Number(json, "imgBL", section.ImgBL);
  Number(json, "imgBR", section.ImgBR);
  Number(json, "hotGlowColor", section.HotGlowColor);
  Number(json, "glowColor", section.GlowColor);
  Number(json, "outerMode", section.OuterMode);
  Number(json, "outerMask", section.OuterMask);
  Number(json, "outerOpacity", section.OuterOpacity);
  Rect(json, "outerOffset", section.OuterOffset);
  json.EndObject();
}

void WriteMask(JsonWriter& json, const skin::TSkinMaskData& mask) {
  json.BeginObject();
  json.Key("bitmap");
  if (mask.Bmp) {
    json.BeginArray();
    json.Value(std::int64_t{mask.Bmp->Width()});
    json.Value(std::int64_t{mask.Bmp->Height()});
    json.EndArray();
  } else {
    json.Null();
  }
  Text(json, "className", mask.ClassName);
  Text(json, "propertyName", mask.PropertyName);
  Rect(json, "r", mask.R);
  Number(json, "imageCount", mask.ImageCount);
  Number(json, "maskType", mask.MaskType);
  Number(json, "borderWidth", mask.BorderWidth);
  Number(json, "drawMode", mask.DrawMode);
  Number(json, "imgType", mask.ImgType);
  Number(json, "wL", mask.WL);
  Number(json, "wT", mask.WT);
  Number(json, "wR", mask.WR);
  Number(json, "wB", mask.WB);
  Number(json, "cornerType", mask.CornerType);
  Number(json, "skinIndex", mask.SkinIndex);
  json.EndObject();
}

void WriteSkinData(JsonWriter& json, const skin::TSkinData& data) {
  json.BeginObject();
  Flag(json, "active", data.Active);
  Flag(json, "useAeroBluring", data.UseAeroBluring);
  Text(json, "author", data.Author);
  Text(json, "skinPath", data.SkinPath);
  Text(json, "description", data.Description);
  const std::pair<std::string_view, std::int32_t> numbers[] = {
      {"shadow1Offset", data.Shadow1Offset},
      {"shadow1Blur", data.Shadow1Blur},
      {"shadow1Transparency", data.Shadow1Transparency},
      {"exBorderWidth", data.ExBorderWidth},
      {"exTitleHeight", data.ExTitleHeight},
      {"exMaxHeight", data.ExMaxHeight},
      {"exContentOffs", data.ExContentOffs},
      {"exCenterOffs", data.ExCenterOffs},
      {"exDrawMode", data.ExDrawMode},
      {"exShadowOffs", data.ExShadowOffs},
      {"exShadowOffsR", data.ExShadowOffsR},
      {"exShadowOffsT", data.ExShadowOffsT},
      {"exShadowOffsB", data.ExShadowOffsB},
      {"bISpacing", data.BISpacing},
      {"bIVAlign", data.BIVAlign},
      {"bIRightMargin", data.BIRightMargin},
      {"bILeftMargin", data.BILeftMargin},
      {"bITopMargin", data.BITopMargin},
      {"bIKeepHUE", data.BIKeepHUE},
      {"bICloseGlow", data.BICloseGlow},
      {"bICloseGlowMargin", data.BICloseGlowMargin},
      {"bIMaxGlow", data.BIMaxGlow},
      {"bIMaxGlowMargin", data.BIMaxGlowMargin},
      {"bIMinGlow", data.BIMinGlow},
      {"bIMinGlowMargin", data.BIMinGlowMargin},
      {"comboBoxMargin", data.ComboBoxMargin},
      {"brightMin", data.BrightMin},
      {"brightMax", data.BrightMax},
      {"tabsCovering", data.TabsCovering},
      {"ribbonCovering", data.RibbonCovering},
      {"fXColor", data.FXColor},
      {"shadow1Color", data.Shadow1Color},
  };
  for (const auto& [key, value] : numbers) Number(json, key, value);
  json.Key("version");
  json.Value(data.Version);
  json.EndObject();
}

void WriteOuterEffect(JsonWriter& json, const skin::TSkOutEffData& effect) {
  json.BeginObject();
  const std::pair<std::string_view, std::int32_t> numbers[] = {
      {"colorL", effect.ColorL},   {"colorT", effect.ColorT},   {"colorR", effect.ColorR},
      {"colorB", effect.ColorB},   {"offsetL", effect.OffsetL}, {"offsetT", effect.OffsetT},
      {"offsetR", effect.OffsetR}, {"offsetB", effect.OffsetB}, {"widthL", effect.WidthL},
      {"widthT", effect.WidthT},   {"widthR", effect.WidthR},   {"widthB", effect.WidthB},
      {"mask", effect.Mask},       {"source", effect.Source},   {"opacity", effect.Opacity},
  };
  for (const auto& [key, value] : numbers) Number(json, key, value);
  json.EndObject();
}

}  // namespace

std::string SkinInfoJson(const SkinInfo& info) {
  const skin::TLoadedSkin& loaded = info.Skin;
  JsonWriter json;
  json.BeginObject();
  json.Key("members");
  json.BeginArray();
  for (const SkinMemberInfo& member : info.Members) {
    json.BeginObject();
    Text(json, "name", member.Name);
    Number(json, "size", member.Size);
    Flag(json, "isBitmap", member.IsBitmap);
    json.EndObject();
  }
  json.EndArray();
  Number(json, "optionsSize", info.OptionsSize);
  json.Key("version");
  json.Value(loaded.CommonSkinData.Version);
  json.Key("sections");
  json.BeginArray();
  for (const skin::TSkinGeneralData& section : loaded.gd) WriteSection(json, section);
  json.EndArray();
  json.Key("masks");
  json.BeginArray();
  for (const skin::TSkinMaskData& mask : loaded.ma) WriteMask(json, mask);
  json.EndArray();
  json.Key("skinData");
  WriteSkinData(json, loaded.CommonSkinData);
  json.Key("outerEffects");
  json.BeginArray();
  for (const skin::TSkOutEffData& effect : loaded.oe) WriteOuterEffect(json, effect);
  json.EndArray();
  json.Key("palette");
  json.BeginObject();
  for (int i = 0; i < skin::kPaletteSize; ++i) Number(json, skin::PaletteColorName(i), loaded.Palette[i]);
  json.EndObject();
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace vorlan::cli
