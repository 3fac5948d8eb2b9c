-- What the printed documents need beyond plain Markdown (pandoc runs this filter for both):
--  * @VERSION@ anywhere in the text or the code stands for the project's one version number
--    (the metadata "version"), so that package names and commands name the package built;
--  * a command or a name in code is never broken inside a word: each word of inline code is
--    kept whole, and a line may break only at a blank between words;
--  * "H.323", "H.235", "H.245" and words joined by a hyphen ("ТРЛ-МЕ", "IP-адрес") stay on one
--    line;
--  * every picture is printed at one scale: the widest picture of all the documents (the
--    metadata "manuals" lists their sources) as wide as the text less its frame, the others
--    in proportion to their pixels.

local version = ""

local function escape(text)
  return (text:gsub("&", "&amp;"):gsub("<", "&lt;"):gsub(">", "&gt;"))
end

local function with_version(text)
  return (text:gsub("@VERSION@", version))
end

local function whole(html)
  return '<span class="whole">' .. html .. "</span>"
end

-- The width in pixels of a PNG file found on the resource path, or nil.
local function png_width(src)
  for _, dir in ipairs(PANDOC_STATE.resource_path) do
    local file = io.open(dir .. "/" .. src, "rb")
    if file then
      local head = file:read(24)
      file:close()
      if head and #head == 24 and head:sub(2, 4) == "PNG" then
        return string.unpack(">I4", head, 17)
      end
    end
  end
  return nil
end

local inline = {
  Str = function(el)
    local text = with_version(el.text)
    if text:find("H%.%d%d%d") or text:find("[^%s%-]%-[^%s%-]") then
      return pandoc.RawInline("html", whole(escape(text)))
    end
    return text ~= el.text and pandoc.Str(text) or nil
  end,
  Code = function(el)
    local words = {}
    for word in with_version(el.text):gmatch("%S+") do
      table.insert(words, whole(escape(word)))
    end
    return pandoc.RawInline("html", "<code>" .. table.concat(words, " ") .. "</code>")
  end,
  Link = function(el)
    el.target = with_version(el.target)
    return el
  end,
}

local blocks = {
  CodeBlock = function(el)
    el.text = with_version(el.text)
    return el
  end,
}

-- The widest picture any of the sources names.
local function widest_picture(meta)
  local widest = 0
  local manuals = meta.manuals or {}
  if manuals.t ~= nil then manuals = { manuals } end  -- one source: no list
  for _, manual in ipairs(manuals) do
    local file = io.open(pandoc.utils.stringify(manual), "r")
    if file then
      for src in file:read("a"):gmatch("%]%((pictures/[^)%s]+%.png)%)") do
        widest = math.max(widest, png_width(src) or 0)
      end
      file:close()
    end
  end
  return widest
end

function Pandoc(doc)
  version = pandoc.utils.stringify(doc.meta.version or "")
  local widest = widest_picture(doc.meta)
  doc = doc:walk({
    Image = function(el)
      local width = png_width(el.src)
      if width and widest > 0 then
        el.attributes.width = string.format("%.3f%%", 99 * width / widest)
      end
      return el
    end,
  })
  return doc:walk(inline):walk(blocks)
end
