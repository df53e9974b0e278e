#include "ExportMaker.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <zlib.h>

namespace {
enum Kind {
    Code,
    Url,
    Timestamp,
    DateTime,
    Creator,
    ProductName,
    LocalName,
    GenericName,
    Quantity,
    Brands,
    Tags,
    Text,
    Number,
    Grade,
    ImageUrl,
    Sparse
};

struct Random
{
    std::uint64_t state;
    std::uint64_t next()
    {
        // splitmix64: fast, and the same on every machine.
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint64_t below(std::uint64_t n) { return next() % n; }
    double unit() { return double(next() >> 11) / double(1ULL << 53); }
};

// Words in several scripts, so that names exercise UTF-8 of every length.
constexpr std::array kWords = {
    "Chocolate", "Biscuits", "Yaourt",    "nature", "Crème",     "fraîche", "Käse",
    "Brötchen",  "Jamón",    "ibérico",   "Pâtes",  "complètes", "Молоко",  "Хлеб",
    "ржаной",    "Σοκολάτα", "Γάλα",      "حليب",   "شوكولاتة",  "牛奶",    "绿茶",
    "巧克力",    "抹茶",     "ラーメン",  "醤油",   "김치",      "दूध",      "चाय",
    "Organic",   "Tomato",   "Sauce",     "Olive",  "Oil",       "Müsli",   "Knäckebröd",
    "Żurek",     "Pierogi",  "Çay",       "Şeker",  "Ñoquis",    "Kefir",   "Tofu",
    "Rice",      "Noodles",  "Sparkling", "Water",  "Orange",    "Juice",   "🍫",
    "Spread"};
constexpr std::array kBrands = {"Ferrero",       "Danone",    "Nestlé",   "Carrefour",
                                "Auchan",        "Lidl",      "Milbona",  "Bonne Maman",
                                "Lay's",         "Coca-Cola", "Barilla",  "Président",
                                "Простоквашино", "明治",      "Alnatura", "Hacendado"};
constexpr std::array kQuantities = {"400 g", "1 l",       "250 g", "6 x 33 cl", "1 kg", "500 ml",
                                    "125 g", "2 x 100 g", "75 cl", "330 ml",    "",     "1,5 l"};
constexpr std::array kTags = {"en:snacks",          "en:sweet-snacks",
                              "en:beverages",       "en:dairies",
                              "en:fermented-foods", "en:plant-based-foods",
                              "en:cereals",         "fr:pates-a-tartiner",
                              "en:breakfasts",      "en:organic",
                              "en:no-palm-oil",     "en:france",
                              "en:germany",         "en:spain",
                              "en:united-kingdom",  "en:to-be-completed"};
constexpr std::array kIngredients = {"sugar",
                                     "palm oil",
                                     "hazelnuts 13%",
                                     "skimmed milk powder 8.7%",
                                     "fat-reduced cocoa 7.4%",
                                     "emulsifier: lecithins (soya)",
                                     "vanillin",
                                     "wheat flour",
                                     "water",
                                     "salt",
                                     "yeast",
                                     "rapeseed oil",
                                     "tomato paste",
                                     "olive oil",
                                     "spices",
                                     "milk",
                                     "lactic ferments",
                                     "rice",
                                     "sesame",
                                     "garlic"};
constexpr std::array kNutrients = {"energy-kj",
                                   "energy-kcal",
                                   "energy",
                                   "energy-from-fat",
                                   "fat",
                                   "saturated-fat",
                                   "butyric-acid",
                                   "caproic-acid",
                                   "caprylic-acid",
                                   "capric-acid",
                                   "lauric-acid",
                                   "myristic-acid",
                                   "palmitic-acid",
                                   "stearic-acid",
                                   "arachidic-acid",
                                   "behenic-acid",
                                   "lignoceric-acid",
                                   "cerotic-acid",
                                   "montanic-acid",
                                   "melissic-acid",
                                   "unsaturated-fat",
                                   "monounsaturated-fat",
                                   "omega-9-fat",
                                   "oleic-acid",
                                   "elaidic-acid",
                                   "gondoic-acid",
                                   "mead-acid",
                                   "erucic-acid",
                                   "nervonic-acid",
                                   "polyunsaturated-fat",
                                   "omega-3-fat",
                                   "alpha-linolenic-acid",
                                   "eicosapentaenoic-acid",
                                   "docosahexaenoic-acid",
                                   "omega-6-fat",
                                   "linoleic-acid",
                                   "arachidonic-acid",
                                   "gamma-linolenic-acid",
                                   "dihomo-gamma-linolenic-acid",
                                   "trans-fat",
                                   "cholesterol",
                                   "carbohydrates",
                                   "sugars",
                                   "added-sugars",
                                   "sucrose",
                                   "glucose",
                                   "fructose",
                                   "galactose",
                                   "lactose",
                                   "maltose",
                                   "maltodextrins",
                                   "starch",
                                   "polyols",
                                   "erythritol",
                                   "fiber",
                                   "soluble-fiber",
                                   "insoluble-fiber",
                                   "proteins",
                                   "casein",
                                   "serum-proteins",
                                   "nucleotides",
                                   "salt",
                                   "added-salt",
                                   "sodium",
                                   "alcohol",
                                   "vitamin-a",
                                   "beta-carotene",
                                   "vitamin-d",
                                   "vitamin-e",
                                   "vitamin-k",
                                   "vitamin-c",
                                   "vitamin-b1",
                                   "vitamin-b2",
                                   "vitamin-pp",
                                   "vitamin-b6",
                                   "vitamin-b9",
                                   "folates",
                                   "vitamin-b12",
                                   "biotin",
                                   "pantothenic-acid",
                                   "silica",
                                   "bicarbonate",
                                   "potassium",
                                   "chloride",
                                   "calcium",
                                   "phosphorus",
                                   "iron",
                                   "magnesium",
                                   "zinc",
                                   "copper",
                                   "manganese",
                                   "fluoride",
                                   "selenium",
                                   "chromium",
                                   "molybdenum",
                                   "iodine",
                                   "caffeine",
                                   "taurine",
                                   "ph",
                                   "fruits-vegetables-nuts",
                                   "fruits-vegetables-nuts-dried",
                                   "fruits-vegetables-nuts-estimate",
                                   "fruits-vegetables-nuts-estimate-from-ingredients",
                                   "collagen-meat-protein-ratio",
                                   "cocoa",
                                   "chlorophyl",
                                   "carbon-footprint",
                                   "carbon-footprint-from-meat-or-fish",
                                   "nutrition-score-fr",
                                   "nutrition-score-uk",
                                   "glycemic-index",
                                   "water-hardness",
                                   "choline",
                                   "phylloquinone",
                                   "beta-glucan",
                                   "inositol",
                                   "carnitine",
                                   "sulphate",
                                   "nitrate",
                                   "acidity"};

QByteArrayList UsualColumns(std::vector<int>& kinds)
{
    const std::pair<const char*, int> fixed[] = {{"code", Code},
                                                 {"url", Url},
                                                 {"creator", Creator},
                                                 {"created_t", Timestamp},
                                                 {"created_datetime", DateTime},
                                                 {"last_modified_t", Timestamp},
                                                 {"last_modified_datetime", DateTime},
                                                 {"last_modified_by", Creator},
                                                 {"last_updated_t", Timestamp},
                                                 {"last_updated_datetime", DateTime},
                                                 {"product_name", ProductName},
                                                 {"abbreviated_product_name", Sparse},
                                                 {"generic_name", GenericName},
                                                 {"quantity", Quantity},
                                                 {"packaging", Sparse},
                                                 {"packaging_tags", Tags},
                                                 {"packaging_en", Sparse},
                                                 {"packaging_text", Sparse},
                                                 {"brands", Brands},
                                                 {"brands_tags", Tags},
                                                 {"brands_en", Sparse},
                                                 {"categories", Tags},
                                                 {"categories_tags", Tags},
                                                 {"categories_en", Tags},
                                                 {"origins", Sparse},
                                                 {"origins_tags", Sparse},
                                                 {"origins_en", Sparse},
                                                 {"manufacturing_places", Sparse},
                                                 {"manufacturing_places_tags", Sparse},
                                                 {"labels", Tags},
                                                 {"labels_tags", Tags},
                                                 {"labels_en", Tags},
                                                 {"emb_codes", Sparse},
                                                 {"emb_codes_tags", Sparse},
                                                 {"first_packaging_code_geo", Sparse},
                                                 {"cities", Sparse},
                                                 {"cities_tags", Sparse},
                                                 {"purchase_places", Sparse},
                                                 {"stores", Sparse},
                                                 {"countries", Tags},
                                                 {"countries_tags", Tags},
                                                 {"countries_en", Tags},
                                                 {"ingredients_text", Text},
                                                 {"ingredients_tags", Tags},
                                                 {"ingredients_analysis_tags", Tags},
                                                 {"allergens", Sparse},
                                                 {"allergens_en", Sparse},
                                                 {"traces", Sparse},
                                                 {"traces_tags", Sparse},
                                                 {"traces_en", Sparse},
                                                 {"serving_size", Sparse},
                                                 {"serving_quantity", Number},
                                                 {"no_nutriments", Sparse},
                                                 {"additives_n", Number},
                                                 {"additives", Sparse},
                                                 {"additives_tags", Tags},
                                                 {"additives_en", Tags},
                                                 {"nutriscore_score", Number},
                                                 {"nutriscore_grade", Grade},
                                                 {"nova_group", Number},
                                                 {"pnns_groups_1", Tags},
                                                 {"pnns_groups_2", Tags},
                                                 {"food_groups", Tags},
                                                 {"food_groups_tags", Tags},
                                                 {"food_groups_en", Tags},
                                                 {"states", Tags},
                                                 {"states_tags", Tags},
                                                 {"states_en", Tags},
                                                 {"brand_owner", Brands},
                                                 {"environmental_score_score", Number},
                                                 {"environmental_score_grade", Grade},
                                                 {"nutrient_levels_tags", Tags},
                                                 {"product_quantity", Number},
                                                 {"owner", Sparse},
                                                 {"data_quality_errors_tags", Sparse},
                                                 {"unique_scans_n", Number},
                                                 {"popularity_tags", Tags},
                                                 {"completeness", Number},
                                                 {"last_image_t", Timestamp},
                                                 {"last_image_datetime", DateTime},
                                                 {"main_category", Tags},
                                                 {"main_category_en", Tags},
                                                 {"image_url", ImageUrl},
                                                 {"image_small_url", ImageUrl},
                                                 {"image_ingredients_url", ImageUrl},
                                                 {"image_ingredients_small_url", ImageUrl},
                                                 {"image_nutrition_url", ImageUrl},
                                                 {"image_nutrition_small_url", ImageUrl},
                                                 {"product_name_en", LocalName},
                                                 {"product_name_fr", LocalName},
                                                 {"product_name_de", LocalName}};
    QByteArrayList columns;
    for (const auto& [name, kind] : fixed) {
        columns.append(name);
        kinds.push_back(kind);
    }
    for (const char* nutrient : kNutrients) {
        columns.append(QByteArray(nutrient) + "_100g");
        kinds.push_back(Number);
    }
    return columns;
}

template <std::size_t N>
const char* Pick(Random& random, const std::array<const char*, N>& list)
{
    return list[random.below(N)];
}

Random RandomFor(std::uint64_t seed, qint64 row)
{
    Random random{seed * 0x2545F4914F6CDD1DULL + std::uint64_t(row) * 0x9E3779B97F4A7C15ULL};
    random.next();
    return random;
}

void AppendWords(Random& random, QByteArray& out, int count)
{
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ' ';
        out += Pick(random, kWords);
    }
}
} // namespace

ExportMaker::ExportMaker(const ExportShape& shape)
    : m_shape(shape)
{
    m_columns = UsualColumns(m_kindOfColumn);
    for (int i = 0; i < shape.extraColumns; ++i) {
        m_columns.append("extra_field_" + QByteArray::number(i));
        m_kindOfColumn.push_back(Sparse);
    }
    if (shape.shuffleColumns) {
        Random random{shape.seed ^ 0x5DEECE66DULL};
        for (qsizetype i = m_columns.size() - 1; i > 0; --i) {
            const auto j = qsizetype(random.below(std::uint64_t(i) + 1));
            std::swap(m_columns[i], m_columns[j]);
            std::swap(m_kindOfColumn[std::size_t(i)], m_kindOfColumn[std::size_t(j)]);
        }
    }
}

QByteArray ExportMaker::header() const
{
    if (m_shape.jsonLines)
        return {};
    return m_columns.join('\t') + (m_shape.crlf ? "\r\n" : "\n");
}

QByteArray ExportMaker::codeToLookUp(const ExportShape& shape, qint64 i, double missingShare)
{
    // Code i is missing when the running count of missing codes, i times the share, passes a
    // whole number there: spread evenly, and exactly the share of any number of codes.
    const double share = std::clamp(missingShare, 0.0, 1.0);
    const bool missing = std::floor(double(i + 1) * share) > std::floor(double(i) * share);
    // Products past the last row are not in the export: those codes are found nowhere.
    const qint64 row = missing ? shape.rows + i : (i * 7919) % std::max<qint64>(1, shape.rows);
    return productCode(shape.seed, row);
}

QByteArray ExportMaker::productCode(std::uint64_t seed, qint64 row)
{
    // A prefix by row and a scrambled serial: unique for up to a billion rows per prefix. The
    // multiplier is odd and not a multiple of 5, so the scrambling is one to one.
    static const char* const kPrefixes[] = {"300", "400", "500", "800", "761",
                                            "000", "001", "460", "690", "890"};
    const std::uint64_t multiplier = ((seed * 2 + 1) * 7919 % 1000000000ULL) | 1;
    const std::uint64_t fixed = multiplier % 5 == 0 ? multiplier + 2 : multiplier;
    const std::uint64_t serial = (std::uint64_t(row) * fixed) % 1000000000ULL;
    QByteArray digits = QByteArray(kPrefixes[row % 10]) +
                        QByteArray::number(qulonglong(serial)).rightJustified(9, '0');
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    digits += char('0' + (10 - sum % 10) % 10);
    return digits;
}

QByteArray ExportMaker::productName(qint64 row) const
{
    Random random = RandomFor(m_shape.seed, row);
    QByteArray name;
    AppendWords(random, name, 2 + int(random.below(3)));
    return name;
}

ExportMaker::LineKind ExportMaker::kindOf(qint64 row) const
{
    Random random = RandomFor(m_shape.seed ^ 0xABCDEFULL, row);
    const double draw = random.unit();
    if (draw < m_shape.badLineShare)
        return LineKind::BadFieldCount;
    if (draw < m_shape.badLineShare + m_shape.emptyCodeShare)
        return LineKind::EmptyCode;
    return LineKind::Product;
}

void ExportMaker::appendLine(qint64 row, QByteArray& out) const
{
    const LineKind kind = kindOf(row);
    const QByteArray code = productCode(m_shape.seed, row);
    // Codes with leading zeros lose them in every third line, as exported codes sometimes do.
    QByteArrayView written = code;
    if (row % 3 == 0)
        while (written.size() > 1 && written.front() == '0')
            written = written.sliced(1);
    const QByteArray name = productName(row);
    Random random = RandomFor(m_shape.seed + 17, row);
    const qsizetype columns = m_columns.size();
    // A bad line has one field too few or one too many.
    const qsizetype fields =
        kind == LineKind::BadFieldCount ? columns + (row % 2 == 0 ? -1 : 1) : columns;
    // The text of one field, appended to `to`; the same draws in either format.
    const auto appendValue = [&](int what, QByteArray& to) {
        switch (what) {
        case Code:
            if (kind != LineKind::EmptyCode)
                to += written;
            break;
        case Url:
            to += "http://world-en.openfoodfacts.org/product/";
            to += code;
            to += "/product";
            break;
        case Timestamp:
            to += QByteArray::number(1500000000 + random.below(200000000));
            break;
        case DateTime:
            to += "2023-0";
            to += char('1' + random.below(9));
            to += "-1";
            to += char('0' + random.below(10));
            to += "T12:34:56Z";
            break;
        case Creator:
            to += random.below(2) ? "openfoodfacts-contributors" : "kiliweb";
            break;
        case ProductName:
            to += name;
            break;
        case LocalName:
            if (random.below(4) == 0)
                AppendWords(random, to, 2);
            break;
        case GenericName:
            if (random.below(3) == 0)
                AppendWords(random, to, 3);
            break;
        case Quantity:
            to += Pick(random, kQuantities);
            break;
        case Brands:
            to += Pick(random, kBrands);
            if (random.below(3) == 0) {
                to += ',';
                to += Pick(random, kBrands);
            }
            break;
        case Tags:
            if (random.below(3) == 0) {
                const int count = 1 + int(random.below(3));
                for (int i = 0; i < count; ++i) {
                    if (i > 0)
                        to += ',';
                    to += Pick(random, kTags);
                }
            }
            break;
        case Text: {
            const int count = 6 + int(random.below(10));
            for (int i = 0; i < count; ++i) {
                if (i > 0)
                    to += ", ";
                to += Pick(random, kIngredients);
            }
            break;
        }
        case Number:
            if (random.below(3) == 0) {
                to += QByteArray::number(qulonglong(random.below(1000)));
                to += '.';
                to += char('0' + random.below(10));
            }
            break;
        case Grade:
            to += char('a' + random.below(5));
            break;
        case ImageUrl:
            if (random.below(4) == 0) {
                // Cut into groups like the real picture host's folders, which the index relies
                // on to keep these addresses short.
                to += "https://images.openfoodfacts.org/images/products/";
                if (code.size() > 8) {
                    to += code.first(3) + '/' + code.sliced(3, 3) + '/' + code.sliced(6, 3) + '/' +
                          code.sliced(9);
                } else {
                    to += code;
                }
                to += "/front_en.3.400.jpg";
            }
            break;
        default:
            break;
        }
    };
    if (m_shape.jsonLines) {
        // One JSON object a line, a field for each column that holds something; a bad line is
        // an object cut short.
        out += '{';
        bool first = true;
        QByteArray value;
        for (qsizetype c = 0; c < columns; ++c) {
            value.resize(0);
            const int what = m_kindOfColumn[std::size_t(c)];
            appendValue(what, value);
            if (value.isEmpty() && what != Code)
                continue;
            if (!first)
                out += ',';
            first = false;
            out += '"' + m_columns[c] + "\":\"";
            out += value.replace('\\', "\\\\").replace('"', "\\\"");
            out += '"';
            if (kind == LineKind::BadFieldCount)
                break;
        }
        if (kind != LineKind::BadFieldCount)
            out += '}';
    } else {
        for (qsizetype c = 0; c < fields; ++c) {
            if (c > 0)
                out += '\t';
            appendValue(c < columns ? m_kindOfColumn[std::size_t(c)] : Sparse, out);
        }
    }
    if (m_shape.lastLineUnfinished && row == m_shape.rows - 1)
        return;
    out += m_shape.crlf ? "\r\n" : "\n";
}

void ExportMaker::write(const std::function<void(QByteArrayView piece)>& write) const
{
    QByteArray piece = header();
    piece.reserve(1024 * 1024 + 64 * 1024);
    for (qint64 row = 0; row < m_shape.rows; ++row) {
        appendLine(row, piece);
        if (piece.size() >= 1024 * 1024) {
            write(piece);
            piece.resize(0);
        }
    }
    if (!piece.isEmpty())
        write(piece);
}

bool WriteExportFile(const ExportShape& shape, const QString& path, int gzipLevel, QString* problem)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (problem)
            *problem = file.errorString();
        return false;
    }
    bool ok = true;
    const ExportMaker maker(shape);
    if (gzipLevel <= 0) {
        maker.write([&](QByteArrayView piece) {
            ok = ok && file.write(piece.data(), piece.size()) == piece.size();
        });
    } else {
        z_stream z{};
        deflateInit2(&z, std::min(gzipLevel, 9), Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        std::vector<unsigned char> out(256 * 1024);
        const auto pump = [&](QByteArrayView piece, int flush) {
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
            z.avail_in = uInt(piece.size());
            int result = Z_OK;
            do {
                z.next_out = out.data();
                z.avail_out = uInt(out.size());
                result = deflate(&z, flush);
                const qint64 produced = qint64(out.size() - z.avail_out);
                ok = ok &&
                     file.write(reinterpret_cast<const char*>(out.data()), produced) == produced;
            } while (z.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
        };
        maker.write([&](QByteArrayView piece) { pump(piece, Z_NO_FLUSH); });
        pump({}, Z_FINISH);
        deflateEnd(&z);
    }
    ok = file.flush() && ok;
    if (!ok && problem)
        *problem = file.errorString();
    return ok;
}
