#include <array>

#include "paint/colors.h"
#include "platform/ascii.h"
#include "platform/syscolor.h"
#include "skin/data/image_entries.h"
#include "skin/data/inherited_reader.h"
#include "skin/data/outer_effect_mask.h"
#include "skin/data/skin_loader.h"

namespace vorlan::skin {
namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";
constexpr std::int32_t kNoLimit = 2147483647;
// The system colour references Windows uses (top byte set, index in the low byte).
constexpr int kColorWindow = 5;
constexpr int kColorWindowText = 8;
constexpr int kColorHighlight = 13;
constexpr int kColorHighlightText = 14;
constexpr int kColorBtnFace = 15;
constexpr TColor kHighlightTextReference = static_cast<TColor>(0xFF000000u | kColorHighlightText);
constexpr TColor kMagenta = 16711935;

TColor SystemColor(int index) { return static_cast<TColor>(platform::SysColor(index)); }

struct StateKeys {
  std::u16string_view Color, FontColor, Left, Top, Right, Bottom, GlowColor, GlowSize, GradientPercent, GradientData,
      ImagePercent, Transparency;
};

constexpr std::array<StateKeys, 3> kStateKeys = {{
    {u"COLOR", u"FONTCOLOR", u"TCLEFT", u"TCTOP", u"TCRIGHT", u"TCBOTTOM", u"GCOL", u"GSIZE", u"GRADIENTPERCENT",
     u"GRADIENTDATA", u"IMAGEPERCENT", u"TRANSPARENCY"},
    {u"HOTCOLOR", u"HOTFONTCOLOR", u"HOTTCLEFT", u"HOTTCTOP", u"HOTTCRIGHT", u"HOTTCBOTTOM", u"HGCOL", u"HGSIZE",
     u"HOTGRADIENTPERCENT", u"HOTGRADIENTDATA", u"HOTIMAGEPERCENT", u"HOTTRANSPARENCY"},
    {u"COLOR2", u"FONTCOLOR2", u"TCLEFT2", u"TCTOP2", u"TCRIGHT2", u"TCBOTTOM2", u"GCOL2", u"GSIZE2",
     u"GRADIENTPERCENT2", u"GRADIENTDATA2", u"IMAGEPERCENT2", u"TRANSPARENCY2"},
}};

// The gradient text: shorter than 3 characters means no gradient at all.
void SetGradient(TSkinGenState& state, std::u16string_view text) {
  if (text.size() < 3) {
    state.GradientPercent = 0;
    state.GradientArray.clear();
  } else {
    state.GradientArray = ParseGradientData(text);
  }
}

// Every state starts from the built-in default state, not from another one.
TSkinGenState ReadState(const InheritedReader& reader, std::u16string_view section, const StateKeys& keys) {
  const TSkinGenState defaults;
  TSkinGenState state;
  state.Color = reader.ReadInteger(section, keys.Color, defaults.Color);
  state.FontColor.Color = reader.ReadInteger(section, keys.FontColor, defaults.FontColor.Color);
  state.FontColor.Left = reader.ReadInteger(section, keys.Left, defaults.FontColor.Left);
  state.FontColor.Top = reader.ReadInteger(section, keys.Top, defaults.FontColor.Top);
  state.FontColor.Right = reader.ReadInteger(section, keys.Right, defaults.FontColor.Right);
  state.FontColor.Bottom = reader.ReadInteger(section, keys.Bottom, defaults.FontColor.Bottom);
  state.GlowColor = reader.ReadInteger(section, keys.GlowColor, defaults.GlowColor);
  state.GlowSize = reader.ReadInteger(section, keys.GlowSize, defaults.GlowSize);
  state.GradientPercent = reader.ReadInteger(section, keys.GradientPercent, defaults.GradientPercent);
  state.ImagePercent = reader.ReadInteger(section, keys.ImagePercent, defaults.ImagePercent);
  state.Transparency = reader.ReadInteger(section, keys.Transparency, defaults.Transparency);
  SetGradient(state, reader.ReadString(section, keys.GradientData, u" "));
  return state;
}

TSkinGeneralData ReadSection(const InheritedReader& reader, std::u16string_view name) {
  TSkinGeneralData data;
  data.ClassName = name;
  data.ParentClass = reader.Options().ReadString(name, u"PARENTCLASS", u"");
  data.ReservedBoolean = reader.ReadBool(name, u"RESERVEDBOOLEAN", false);
  data.GiveOwnFont = reader.ReadBool(name, u"GIVEOWNFONT", false);
  data.GlowCount = reader.ReadInteger(name, u"GLOW", 0, 255);
  data.GlowMargin = reader.ReadInteger(name, u"GLOWMARGIN", 0, 255);
  data.States = reader.ReadInteger(name, u"STATES", 3, 255);
  data.OuterOffset = {reader.ReadInteger(name, u"OUTOFFSL", 0, 255), reader.ReadInteger(name, u"OUTOFFST", 0, 255),
                      reader.ReadInteger(name, u"OUTOFFSR", 0, 255), reader.ReadInteger(name, u"OUTOFFSB", 0, 255)};
  data.OuterOpacity = reader.ReadInteger(name, u"OUTOPACITY", 200, 255);
  data.OuterMode = reader.ReadInteger(name, u"OUTERMODE", 2, kNoLimit);
  data.ImgTL = data.ImgTR = data.ImgBL = data.ImgBR = -1;
  data.Props[0] = ReadState(reader, name, kStateKeys[0]);
  data.Props[1] = data.States < 2 ? data.Props[0] : ReadState(reader, name, kStateKeys[1]);
  data.UseState2 = reader.ReadInteger(name, u"USESTATE2", 0, kNoLimit) == 1;
  data.Props[2] = data.UseState2 ? ReadState(reader, name, kStateKeys[2]) : data.Props[1];
  return data;
}

void ReadSkinData(const TSkinOptions& options, TSkinData& data) {
  const auto read = [&](std::u16string_view key, std::int32_t fallback) {
    return options.ReadInteger(kGlobalInfo, key, fallback);
  };
  data.Version = options.ReadFloat(kGlobalInfo, u"VERSION", 0);
  data.Author = options.ReadString(kGlobalInfo, u"AUTHOR", u"");
  data.Description = options.ReadString(kGlobalInfo, u"DESCRIPTION", u"");
  data.ExBorderWidth = read(u"BORDERWIDTH", 4);
  data.ExTitleHeight = read(u"TITLEHEIGHT", 30);
  if (data.ExTitleHeight == 0) data.ExTitleHeight = 30;
  data.ExMaxHeight = read(u"MAXHEIGHT", 0);
  if (data.ExMaxHeight == 0) data.ExMaxHeight = data.ExTitleHeight;
  data.ExContentOffs = read(u"FORMOFFSET", platform::SizingFrameWidth());
  data.ExCenterOffs = read(u"CENTEROFFSET", 0);
  data.ExDrawMode = read(u"BORDERMODE", 0);
  data.BrightMin = read(u"BRIGHTMIN", -50);
  data.BrightMax = read(u"BRIGHTMAX", 50);
  data.ExShadowOffs = read(u"ALIGNOFFSET", 0);
  data.ExShadowOffsR = read(u"ALIGNOFFSETR", data.ExShadowOffs);
  data.ExShadowOffsT = read(u"ALIGNOFFSETT", data.ExShadowOffs);
  data.ExShadowOffsB = read(u"ALIGNOFFSETB", data.ExShadowOffs);
  data.BISpacing = read(u"BISPACE", 0);
  data.BIVAlign = read(u"BIVALIGN", 0);
  data.BIRightMargin = read(u"BIRIGHT", 0);
  data.BILeftMargin = read(u"BILEFT", 0);
  data.BITopMargin = read(u"BITOP", 0);
  data.BIKeepHUE = read(u"BIKEEPHUE", 0);
  data.UseAeroBluring = read(u"AEROBLUR", 0) != 0;
  data.BICloseGlow = read(u"BICONCLOSEGLOW", 0);
  data.BICloseGlowMargin = read(u"BICONCLOSEGLOWMARGIN", 0);
  data.BIMaxGlow = read(u"BICONMAXGLOW", 0);
  data.BIMaxGlowMargin = read(u"BICONMAXGLOWMARGIN", 0);
  data.BIMinGlow = read(u"BICONMINGLOW", 0);
  data.BIMinGlowMargin = read(u"BICONMINGLOWMARGIN", 0);
  data.Shadow1Color = read(u"SHADOW1COLOR", 0);
  data.Shadow1Offset = read(u"SHADOW1OFFSET", 0);
  data.Shadow1Blur = read(u"SHADOW1BLUR", -1);
  data.Shadow1Transparency = read(u"SHADOW1TRANSPARENCY", 0);
  data.ComboBoxMargin = read(u"COMBOMARGIN", 2);
}

struct OuterEffectDefaults {
  std::u16string_view Prefix;
  TColor ColorL, ColorT, ColorR, ColorB;
  std::int32_t OffsetL, OffsetT, OffsetR, OffsetB, Opacity;
};

constexpr OuterEffectDefaults kLightDefaults = {u"LO_", 16777215, 0, 16777215, 16777215, 2, 2, 2, 4, 200};
constexpr OuterEffectDefaults kShadowDefaults = {u"SH_", 0, 0, 0, 0, 3, 2, 3, 5, 60};

TSkOutEffData ReadOuterEffect(TLoadedSkin& skin, const TSkinOptions& options, const OuterEffectDefaults& defaults,
                              std::int32_t global_index) {
  const auto key = [&](std::u16string_view suffix) { return std::u16string(defaults.Prefix) + std::u16string(suffix); };
  const auto read = [&](std::u16string_view suffix, std::int32_t fallback) {
    return options.ReadInteger(kGlobalInfo, key(suffix), fallback);
  };
  TSkOutEffData effect;
  effect.ColorL = read(u"COLORL", defaults.ColorL);
  effect.ColorT = read(u"COLORT", defaults.ColorT);
  effect.ColorR = read(u"COLORR", defaults.ColorR);
  effect.ColorB = read(u"COLORB", defaults.ColorB);
  effect.WidthL = read(u"WIDTHL", -1);
  effect.WidthT = read(u"WIDTHT", -1);
  effect.WidthR = read(u"WIDTHR", -1);
  effect.WidthB = read(u"WIDTHB", -1);
  effect.OffsetL = read(u"OFFSETL", defaults.OffsetL);
  effect.OffsetT = read(u"OFFSETT", defaults.OffsetT);
  effect.OffsetR = read(u"OFFSETR", defaults.OffsetR);
  effect.OffsetB = read(u"OFFSETB", defaults.OffsetB);
  effect.Source = read(u"SOURCE", 2);
  effect.Opacity = read(u"OPACITY", defaults.Opacity);
  if (effect.Source == 0) {
    effect.Mask = -1;
  } else if (effect.Source == 1) {
    const std::u16string mask_key = key(u"MASK");
    const std::u16string value = options.ReadString(kGlobalInfo, mask_key, u"");
    std::optional<TSkinMaskData> mask = value.empty() ? std::nullopt : ParseBorderEntry(value);
    if (mask) {
      mask->ClassName = kGlobalInfo;
      mask->PropertyName = mask_key;
      mask->SkinIndex = global_index;
      mask->CornerType = 0;
      skin.ma.push_back(std::move(*mask));
      effect.Mask = static_cast<std::int32_t>(skin.ma.size() - 1);
    }
  } else {
    effect.Mask = AddGeneratedOuterMask(skin, effect, key(u"MASK"), global_index);
  }
  return effect;
}

std::int32_t GlobalSectionIndex(const TSkinOptions& options) {
  const auto& sections = options.Sections();
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (sections[i].Name == kGlobalInfo) return static_cast<std::int32_t>(i);
  }
  return -1;
}

const TSkinGeneralData* FindSection(const TLoadedSkin& skin, std::u16string_view name) {
  const std::int32_t index = skin.GetSkinIndex(name);
  return index < 0 ? nullptr : &skin.gd[static_cast<std::size_t>(index)];
}

void DeriveSelectionColors(TLoadedSkin& skin) {
  TSkPalette& p = skin.Palette;
  if (const TSkinGeneralData* selection = FindSection(skin, u"SELECTION")) {
    const TSkinGenState& focused = selection->States < 2 ? selection->Props[0] : selection->Props[1];
    p[pcSelectionText] = selection->Props[0].FontColor.Color;
    p[pcSelectionBG] = selection->Props[0].Color;
    p[pcSelectionText_Focused] = focused.FontColor.Color;
    p[pcSelectionBG_Focused] = focused.Color;
  } else {
    p[pcSelectionText] = p[pcSelectionBG] = p[pcSelectionText_Focused] = p[pcSelectionBG_Focused] = -1;
  }
  if (p[pcSelectionText] != -1 && p[pcSelectionText] != kMagenta) return;
  if (const TSkinGeneralData* menu_item = FindSection(skin, u"MENUITEM")) {
    p[pcSelectionText] = menu_item->Props[1].FontColor.Color;
    p[pcSelectionBG] = p[pcSelectionBG_Focused] = menu_item->Props[1].Color;
    if (p[pcSelectionText] == -1 || p[pcSelectionText] == kMagenta) {
      p[pcSelectionText] = kHighlightTextReference;
    } else {
      p[pcSelectionText] = ResolveSysColor(p[pcSelectionText]);
    }
    p[pcSelectionText_Focused] = p[pcSelectionText];
  } else {
    p[pcSelectionText] = p[pcSelectionText_Focused] = SystemColor(kColorHighlightText);
    p[pcSelectionBG] = p[pcSelectionBG_Focused] = SystemColor(kColorHighlight);
  }
}

void DerivePalette(TLoadedSkin& skin, const TSkinOptions& options) {
  TSkPalette& p = skin.Palette;
  const auto read = [&](std::u16string_view key, std::int32_t fallback) {
    return options.ReadInteger(kGlobalInfo, key, fallback);
  };
  p[pcMainColor] = read(u"COLOR", SystemColor(kColorBtnFace));
  p[pcLabelText] = read(u"FONTCOLOR", 0);
  p[pcWebText] = read(u"TCBOTTOM", 16711680);
  p[pcWebTextHot] = read(u"TCTOP", 255);
  p[pcBorder] = read(u"BORDERCOLOR", 0);
  if (const TSkinGeneralData* edit = FindSection(skin, u"EDIT")) {
    p[pcEditText] = ResolveSysColor(edit->Props[0].FontColor.Color);
    p[pcEditBG] = ResolveSysColor(edit->Props[0].Color);
  } else {
    p[pcEditText] = SystemColor(kColorWindowText);
    p[pcEditBG] = SystemColor(kColorWindow);
  }
  DeriveSelectionColors(skin);
  p[pcEditText_Ok] = read(u"EDITTEXT_OK", 32768);
  p[pcEditText_Warning] = read(u"EDITTEXT_WARN", 33924);
  p[pcEditText_Alert] = read(u"EDITTEXT_ALERT", 255);
  p[pcEditText_Caution] = read(u"EDITTEXT_ALERT", 8755161);
  p[pcEditText_Bypassed] = read(u"EDITTEXT_ALERT", 4895375);
  p[pcEditBG_Ok] = read(u"EDITBG_OK", 7127717);
  p[pcEditBG_Warning] = read(u"EDITBG_WARN", 4259839);
  p[pcEditBG_Alert] = read(u"EDITBG_ALERT", 9807849);
  p[pcEditBG_Caution] = read(u"EDITBG_ALERT", 8755161);
  p[pcEditBG_Bypassed] = read(u"EDITBG_ALERT", 4895375);
  p[pcEditText_Highlight1] = read(u"EDITTEXT_H1", 0);
  p[pcEditText_Highlight2] = read(u"EDITTEXT_H2", 0);
  p[pcEditText_Highlight3] = read(u"EDITTEXT_H3", 0);
  p[pcEditText_Inverted] = read(u"EDITTEXT_INV", p[pcEditBG]);
  p[pcEditBG_Inverted] = read(u"EDITBG_INV", p[pcEditText]);
  p[pcEditBG_OddRow] = read(u"EDITBG_ODD", p[pcEditBG]);
  p[pcEditBG_EvenRow] = read(u"EDITBG_EVEN", paint::MixColors(p[pcEditText], p[pcEditBG], 0.05));
}

void AddTransparentSection(TLoadedSkin& skin) {
  if (skin.GetSkinIndex(u"TRANSPARENT") >= 0) return;
  TSkinGeneralData data;
  data.ClassName = u"TRANSPARENT";
  data.States = 1;
  data.OuterMode = 0;
  data.OuterOpacity = 0;
  TSkinGenState state;
  state.GlowColor = 0;
  state.Transparency = 100;
  state.Color = kColorWhite;
  state.FontColor = {skin.Palette[pcLabelText], -1, -1, -1, -1};
  data.Props = {state, state, state};
  skin.gd.push_back(std::move(data));  // its mask indexes are resolved with every other section's
}

// A section of the common text that the skin lacks, built on its template.
TSkinGeneralData CommonSection(const TLoadedSkin& skin, const TSkinOptions& common,
                               const TSkinOptions::Section& section) {
  const std::u16string parent = common.ReadString(section.Name, u"PARENTCLASS", u"-1");
  TSkinGeneralData data;
  data.States = 3;
  for (const TSkinGeneralData& candidate : skin.gd) {
    if (platform::EqualsIgnoreCase(candidate.ClassName, parent)) {
      data = candidate;
      break;
    }
  }
  data.ClassName = section.Name;
  const auto read_state = [&](const StateKeys& keys, const TSkinGenState& base) {
    TSkinGenState state = base;
    const auto read = [&](std::u16string_view key, std::int32_t fallback) {
      return common.ReadInteger(section.Name, key, fallback);
    };
    state.Color = read(keys.Color, base.Color);
    state.FontColor.Color = read(keys.FontColor, base.FontColor.Color);
    state.FontColor.Left = read(keys.Left, base.FontColor.Left);
    state.FontColor.Top = read(keys.Top, base.FontColor.Top);
    state.FontColor.Right = read(keys.Right, base.FontColor.Right);
    state.FontColor.Bottom = read(keys.Bottom, base.FontColor.Bottom);
    state.GlowColor = read(keys.GlowColor, base.GlowColor);
    state.GlowSize = read(keys.GlowSize, base.GlowSize);
    state.GradientPercent = read(keys.GradientPercent, base.GradientPercent);
    state.ImagePercent = read(keys.ImagePercent, base.ImagePercent);
    state.Transparency = read(keys.Transparency, base.Transparency);
    if (const auto gradient = common.Find(section.Name, keys.GradientData)) SetGradient(state, *gradient);
    return state;
  };
  data.States = common.ReadInteger(section.Name, u"STATES", data.States);
  data.Props[0] = read_state(kStateKeys[0], data.Props[0]);
  data.Props[1] = data.States >= 2 ? read_state(kStateKeys[1], data.Props[1]) : data.Props[0];
  data.ReservedBoolean = common.ReadBool(section.Name, u"RESERVEDBOOLEAN", data.ReservedBoolean);
  data.GiveOwnFont = common.ReadBool(section.Name, u"GIVEOWNFONT", data.GiveOwnFont);
  data.GlowCount = common.ReadInteger(section.Name, u"GLOW", data.GlowCount);
  data.GlowMargin = common.ReadInteger(section.Name, u"GLOWMARGIN", data.GlowMargin);
  return data;
}

void MergeCommonSections(TLoadedSkin& skin, const TSkinOptions& common) {
  for (const TSkinOptions::Section& section : common.Sections()) {
    if (skin.GetSkinIndex(section.Name) >= 0) continue;
    skin.gd.push_back(CommonSection(skin, common, section));
  }
}

}  // namespace

void LoadAllGeneralData(TLoadedSkin& skin, const TSkinLoadSource& source) {
  static const TSkinOptions kNoOptions;
  const TSkinOptions& options = source.Options != nullptr ? *source.Options : kNoOptions;
  const std::int32_t global_index = GlobalSectionIndex(options);
  ReadSkinData(options, skin.CommonSkinData);
  skin.oe[kOuterEffectLight] = ReadOuterEffect(skin, options, kLightDefaults, global_index);
  skin.oe[kOuterEffectShadow] = ReadOuterEffect(skin, options, kShadowDefaults, global_index);
  if (source.CheckVersion) source.CheckVersion(skin.CommonSkinData.Version);
  skin.CommonSkinData.TabsCovering = options.ReadInteger(u"TABTOP", u"TABSCOVERING", 0);
  skin.CommonSkinData.RibbonCovering = options.ReadInteger(u"RIBBONTAB", u"TABSCOVERING", 0);

  skin.gd.clear();
  const InheritedReader reader(options);
  for (const TSkinOptions::Section& section : options.Sections()) skin.gd.push_back(ReadSection(reader, section.Name));
  if (source.CommonSections != nullptr) MergeCommonSections(skin, *source.CommonSections);
  DerivePalette(skin, options);
  AddTransparentSection(skin);
  skin.InitMaskIndexes(skin.GetSkinIndex(kGlobalInfo));
}

TColor ResolveSysColor(TColor color) {
  return color < 0 ? SystemColor(static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF)) : color;
}

}  // namespace vorlan::skin
