#pragma once
// What a face's glyph substitutions (its OpenType GSUB table) may make of a glyph, read without
// shaping any text: a text measured by its glyphs' advances allows for the widest of them.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <optional>

namespace richtext {

// Each glyph that a substitution may replace, with what it may put in its place: one glyph, the
// ligature it starts, one of its alternates, or a sequence of glyphs. None when the table cannot
// be read.
using GlyphSubstitutes = QMultiHash<quint32, QList<quint32>>;
std::optional<GlyphSubstitutes> readGlyphSubstitutes(const QByteArray& gsub);

// The widest that each glyph of `advances` may become, substitutions following one another:
// at least its own advance. None when substitutions may grow a glyph without end. `advances`
// must hold every glyph that the substitutes name.
std::optional<QHash<quint32, qreal>> widestSubstitutes(const GlyphSubstitutes& substitutes,
                                                       const QHash<quint32, qreal>& advances);

}  // namespace richtext
