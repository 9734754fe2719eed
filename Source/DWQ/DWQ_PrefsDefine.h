#pragma once

// The preference keys (element names in "PreferencesData.xml").
namespace DWQ
{
inline constexpr const char* PreferencesLibrarianWindowX = "MainWindowPositionX";
inline constexpr const char* PreferencesLibrarianWindowY = "MainWindowPositionY";
inline constexpr const char* PreferencesUserProgWriteComfirm = "UserProgWriteConfirm";
inline constexpr const char* PreferencesUserEQWriteComfirm = "UserEQWriteConfirm";

inline constexpr const char* Preferences_DWQ_TAB1FileName = "DWQ_TAB1FileName";
inline constexpr const char* Preferences_DWQ_TAB2FileName = "DWQ_TAB2FileName";
inline constexpr const char* Preferences_DWQ_TAB3FileName = "DWQ_TAB3FileName";
inline constexpr const char* Preferences_DWQ_TAB1DirtyData = "DWQ_TAB1DirtyData";
inline constexpr const char* Preferences_DWQ_TAB2DirtyData = "DWQ_TAB2DirtyData";
inline constexpr const char* Preferences_DWQ_TAB3DirtyData = "DWQ_TAB3DirtyData";
inline constexpr const char* Preferences_DWQ_CurrentTabindex = "DWQ_CurrentTabIndex";

inline constexpr const char* Preferences_HMQ_TAB1FileName = "HMQ_TAB1FileName";
inline constexpr const char* Preferences_HMQ_TAB2FileName = "HMQ_TAB2FileName";
inline constexpr const char* Preferences_HMQ_TAB3FileName = "HMQ_TAB3FileName";
inline constexpr const char* Preferences_HMQ_TAB1DirtyData = "HMQ_TAB1DirtyData";
inline constexpr const char* Preferences_HMQ_TAB2DirtyData = "HMQ_TAB2DirtyData";
inline constexpr const char* Preferences_HMQ_TAB3DirtyData = "HMQ_TAB3DirtyData";
inline constexpr const char* Preferences_HMQ_CurrentTabindex = "HMQ_CurrentTabIndex";

inline constexpr const char* Preferences_OKX_TAB1FileName = "OKX_TAB1FileName";
inline constexpr const char* Preferences_OKX_TAB2FileName = "OKX_TAB2FileName";
inline constexpr const char* Preferences_OKX_TAB3FileName = "OKX_TAB3FileName";
inline constexpr const char* Preferences_OKX_TAB1DirtyData = "OKX_TAB1DirtyData";
inline constexpr const char* Preferences_OKX_TAB2DirtyData = "OKX_TAB2DirtyData";
inline constexpr const char* Preferences_OKX_TAB3DirtyData = "OKX_TAB3DirtyData";
inline constexpr const char* Preferences_OKX_CurrentTabindex = "OKX_CurrentTabIndex";

inline constexpr const char* Preferences_OPW_TAB1FileName = "OPW_TAB1FileName";
inline constexpr const char* Preferences_OPW_TAB2FileName = "OPW_TAB2FileName";
inline constexpr const char* Preferences_OPW_TAB3FileName = "OPW_TAB3FileName";
inline constexpr const char* Preferences_OPW_TAB1DirtyData = "OPW_TAB1DirtyData";
inline constexpr const char* Preferences_OPW_TAB2DirtyData = "OPW_TAB2DirtyData";
inline constexpr const char* Preferences_OPW_TAB3DirtyData = "OPW_TAB3DirtyData";
inline constexpr const char* Preferences_OPW_CurrentTabindex = "OPW_CurrentTabIndex";

} // namespace DWQ
