#include "textview/htmlnames.h"

#include <algorithm>
#include <span>

namespace {

struct Element {
    const char *name;
    bool isVoid;
    // Blank-separated, beyond the global attributes.
    const char *attributes;
};

// In alphabetical order. The old elements and attributes are the ones this program's
// dialogs and commands write in their old style.
const Element elements[] = {
    {"a", false,
     "charset coords download href hreflang name ping referrerpolicy rel rev shape target type"},
    {"abbr", false, ""},
    {"address", false, ""},
    {"area", true, "alt coords download href nohref ping referrerpolicy rel shape target"},
    {"article", false, ""},
    {"aside", false, ""},
    {"audio", false, "autoplay controls crossorigin loop muted preload src"},
    {"b", false, ""},
    {"base", true, "href target"},
    {"basefont", true, "color face size"},
    {"bdi", false, ""},
    {"bdo", false, ""},
    {"blockquote", false, "cite"},
    {"body", false, "alink background bgcolor link text vlink"},
    {"br", true, "clear"},
    {"button", false,
     "disabled form formaction formenctype formmethod formnovalidate formtarget name popovertarget "
     "type value"},
    {"canvas", false, "height width"},
    {"caption", false, "align"},
    {"center", false, ""},
    {"cite", false, ""},
    {"code", false, ""},
    {"col", true, "span"},
    {"colgroup", false, "span"},
    {"data", false, "value"},
    {"datalist", false, ""},
    {"dd", false, ""},
    {"del", false, "cite datetime"},
    {"details", false, "name open"},
    {"dfn", false, ""},
    {"dialog", false, "open"},
    {"div", false, "align"},
    {"dl", false, ""},
    {"dt", false, ""},
    {"em", false, ""},
    {"embed", true, "height src type width"},
    {"fieldset", false, "disabled form name"},
    {"figcaption", false, ""},
    {"figure", false, ""},
    {"font", false, "color face size"},
    {"footer", false, ""},
    {"form", false, "accept-charset action autocomplete enctype method name novalidate target"},
    {"frame", true, "frameborder marginheight marginwidth name noresize scrolling src"},
    {"frameset", false, "border cols frameborder framespacing rows"},
    {"h1", false, "align"},
    {"h2", false, "align"},
    {"h3", false, "align"},
    {"h4", false, "align"},
    {"h5", false, "align"},
    {"h6", false, "align"},
    {"head", false, ""},
    {"header", false, ""},
    {"hgroup", false, ""},
    {"hr", true, "align noshade size width"},
    {"html", false, "lang"},
    {"i", false, ""},
    {"iframe", false,
     "allow allowfullscreen height loading name referrerpolicy sandbox src srcdoc width"},
    {"img", true,
     "align alt border crossorigin decoding height hspace ismap loading referrerpolicy sizes src "
     "srcset usemap vspace width"},
    {"input", true,
     "accept alt autocomplete checked dirname disabled form formaction height list max maxlength "
     "min minlength multiple name pattern placeholder readonly required size src step type value "
     "width"},
    {"ins", false, "cite datetime"},
    {"kbd", false, ""},
    {"label", false, "for"},
    {"legend", false, ""},
    {"li", false, "type value"},
    {"link", true, "as crossorigin href hreflang integrity media referrerpolicy rel sizes type"},
    {"main", false, ""},
    {"map", false, "name"},
    {"mark", false, ""},
    {"marquee", false, "behavior bgcolor direction height loop scrollamount scrolldelay width"},
    {"menu", false, ""},
    {"meta", true, "charset content http-equiv name"},
    {"meter", false, "high low max min optimum value"},
    {"nav", false, ""},
    {"nobr", false, ""},
    {"noframes", false, ""},
    {"noscript", false, ""},
    {"object", false, "data form height name type width"},
    {"ol", false, "reversed start type"},
    {"optgroup", false, "disabled label"},
    {"option", false, "disabled label selected value"},
    {"output", false, "for form name"},
    {"p", false, "align"},
    {"param", true, "name value"},
    {"picture", false, ""},
    {"pre", false, ""},
    {"progress", false, "max value"},
    {"q", false, "cite"},
    {"rp", false, ""},
    {"rt", false, ""},
    {"ruby", false, ""},
    {"s", false, ""},
    {"samp", false, ""},
    {"script", false, "async crossorigin defer integrity nomodule referrerpolicy src type"},
    {"search", false, ""},
    {"section", false, ""},
    {"select", false, "autocomplete disabled form multiple name required size"},
    {"slot", false, "name"},
    {"small", false, ""},
    {"source", true, "height media sizes src srcset type width"},
    {"span", false, ""},
    {"strike", false, ""},
    {"strong", false, ""},
    {"style", false, "media"},
    {"sub", false, ""},
    {"summary", false, ""},
    {"sup", false, ""},
    {"table", false, "align bgcolor border cellpadding cellspacing width"},
    {"tbody", false, ""},
    {"td", false, "align bgcolor colspan headers height nowrap rowspan valign width"},
    {"template", false, ""},
    {"textarea", false,
     "autocomplete cols dirname disabled form maxlength minlength name placeholder readonly "
     "required rows wrap"},
    {"tfoot", false, ""},
    {"th", false, "abbr align bgcolor colspan headers height nowrap rowspan scope valign width"},
    {"thead", false, ""},
    {"time", false, "datetime"},
    {"title", false, ""},
    {"tr", false, "align bgcolor valign"},
    {"track", true, "default kind label src srclang"},
    {"tt", false, ""},
    {"u", false, ""},
    {"ul", false, "type"},
    {"var", false, ""},
    {"video", false,
     "autoplay controls crossorigin height loop muted playsinline poster preload src width"},
    {"wbr", true, ""},
};

const char globalAttributes[] = "accesskey autofocus class contenteditable dir draggable "
                                "enterkeyhint hidden id inert inputmode lang popover "
                                "spellcheck style tabindex title translate";

const Element *find(QStringView name)
{
    const auto at =
        std::find_if(std::begin(elements), std::end(elements), [name](const Element &e) {
            return name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0;
        });
    return at == std::end(elements) ? nullptr : at;
}

void addStartingWith(QStringList &names, const char *blankSeparated, QStringView prefix)
{
    for (const QString &name :
         QString::fromLatin1(blankSeparated).split(u' ', Qt::SkipEmptyParts)) {
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            names << name;
    }
}

} // namespace

namespace HtmlNames {

QStringList elementsStartingWith(QStringView prefix)
{
    QStringList names;
    for (const Element &e : elements) {
        const QString name = QString::fromLatin1(e.name);
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

QStringList attributesStartingWith(QStringView element, QStringView prefix)
{
    QStringList names;
    if (const Element *e = find(element))
        addStartingWith(names, e->attributes, prefix);
    addStartingWith(names, globalAttributes, prefix);
    std::sort(names.begin(), names.end());
    return names;
}

bool isVoid(QStringView element)
{
    const Element *e = find(element);
    return e && e->isVoid;
}

bool isUpperCase(QStringView name)
{
    return name == name.toString().toUpper() && name != name.toString().toLower();
}

} // namespace HtmlNames
