// Reference values for Hueprobe's colour-space table; run by
// tools/make-colour-space-reference, which installs the two libraries.
import Color from "colorjs.io";
import { colorsNamed, converter, toGamut } from "culori";

// CSS names of the spaces and colorjs.io's names for them.
const spaces = {
    "srgb": "srgb", "srgb-linear": "srgb-linear", "display-p3": "p3", "a98-rgb": "a98rgb",
    "prophoto-rgb": "prophoto", "rec2020": "rec2020", "xyz-d50": "xyz-d50", "xyz-d65": "xyz-d65",
    "lab": "lab", "lch": "lch", "oklab": "oklab", "oklch": "oklch", "hsl": "hsl", "hwb": "hwb",
};

// A fixed pseudo-random sequence, so the file only changes when the libraries do.
let seed = 20;
function random() {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
}
const between = (low, high) => low + (high - low) * random();

// Coordinates spread over each space's usual range, some beyond sRGB.
const samplers = {
    "srgb": () => [random(), random(), random()],
    "srgb-linear": () => [random(), random(), random()],
    "display-p3": () => [random(), random(), random()],
    "a98-rgb": () => [random(), random(), random()],
    "prophoto-rgb": () => [random(), random(), random()],
    "rec2020": () => [random(), random(), random()],
    "xyz-d50": () => [between(0, 0.9), between(0, 1), between(0, 0.8)],
    "xyz-d65": () => [between(0, 0.9), between(0, 1), between(0, 1)],
    "lab": () => [between(1, 99), between(-120, 120), between(-120, 120)],
    "lch": () => [between(1, 99), between(0, 140), between(0, 360)],
    "oklab": () => [between(0.01, 0.99), between(-0.35, 0.35), between(-0.35, 0.35)],
    "oklch": () => [between(0.01, 0.99), between(0, 0.37), between(0, 360)],
    "hsl": () => [between(0, 360), between(0, 100), between(0, 100)],
    "hwb": () => [between(0, 360), between(0, 60), between(0, 60)],
};

const number = (value) => (Number.isNaN(value) || value === null ? "none" : String(+value.toPrecision(12)));
const triple = (coords) => coords.map(number).join(" ");

console.log("# Hueprobe colour-space references, made by tools/make-colour-space-reference");
console.log("# from colorjs.io 0.7.1 and culori 4.0.2 (both MIT licensed). Do not edit.");
console.log("# convert <from> <c1 c2 c3> <to> <t1 t2 t3>: colorjs.io's conversion (none: no hue)");
console.log("# map <from> <c1 c2 c3> <r g b by colorjs.io> <r g b by culori>: sRGB 0..1 after");
console.log("#   CSS Color 4 gamut mapping (OKLCh chroma reduction, deltaEOK, JND 0.02),");
console.log("#   (culori: none where it differs from CSS Color 4, in rec2020),");
console.log("#   then <r g b> the colour's plain sRGB coordinates before mapping (colorjs.io)");
console.log("# mix <space> <hue way> <from1> <c1> <alpha1> <from2> <c2> <alpha2> <amount of 2, 0..1>");
console.log("#   <result coordinates in space> <alpha>: colorjs.io's premultiplied interpolation");

function convertRows(from, coords) {
    const colour = new Color(spaces[from], coords);
    for (const to of Object.keys(spaces)) {
        if (to === from) continue;
        console.log(["convert", from, triple(coords), to, triple(colour.to(spaces[to]).coords)].join("\t"));
    }
}

// Every CSS colour name, to every space.
for (const [name, hex] of Object.entries(colorsNamed)) {
    convertRows("srgb", [(hex >> 16) / 255, ((hex >> 8) & 255) / 255, (hex & 255) / 255]);
}
// Colours from every space, many beyond the screen, to every other space.
for (const from of Object.keys(spaces)) {
    if (from === "srgb") continue;
    for (let i = 0; i < 12; ++i) convertRows(from, samplers[from]());
}

// Gamut mapping: published cases first, then colours from the wide spaces.
const culoriMap = toGamut("rgb", "oklch");
const culoriModes = {
    "display-p3": "p3", "rec2020": "rec2020", "prophoto-rgb": "prophoto", "a98-rgb": "a98",
    "lab": "lab", "lch": "lch", "oklab": "oklab", "oklch": "oklch", "xyz-d65": "xyz65",
};
const culoriChannels = {
    "display-p3": ["r", "g", "b"], "rec2020": ["r", "g", "b"], "prophoto-rgb": ["r", "g", "b"],
    "a98-rgb": ["r", "g", "b"], "lab": ["l", "a", "b"], "lch": ["l", "c", "h"],
    "oklab": ["l", "a", "b"], "oklch": ["l", "c", "h"], "xyz-d65": ["x", "y", "z"],
};
function mapRow(from, coords) {
    const colorjs = new Color(spaces[from], coords).toGamut({ space: "srgb", method: "css" }).to("srgb");
    // culori 4.0.2 still gives rec2020 the camera's transfer curve, where CSS
    // Color 4 now takes the screen's 2.4 power, so it has no answer there.
    let culori = { r: NaN, g: NaN, b: NaN };
    if (from !== "rec2020") {
        const input = { mode: culoriModes[from] };
        culoriChannels[from].forEach((channel, i) => (input[channel] = coords[i]));
        culori = culoriMap(input);
    }
    const plain = new Color(spaces[from], coords).to("srgb").coords;
    console.log(["map", from, triple(coords), triple(colorjs.coords), triple([culori.r, culori.g, culori.b]), triple(plain)].join("\t"));
}
mapRow("oklch", [0.7, 0.4, 150]);
mapRow("oklch", [0.9, 0.4, 100]);
mapRow("oklch", [0.5, 0.4, 265]);
mapRow("oklch", [0.628, 0.3, 29.23]);
mapRow("display-p3", [1, 0, 0]);
mapRow("display-p3", [0, 1, 0]);
mapRow("rec2020", [0, 0, 1]);
mapRow("lab", [50, 120, -90]);
mapRow("lch", [80, 130, 200]);
mapRow("prophoto-rgb", [0.2, 0.9, 0.1]);
for (const from of Object.keys(culoriModes)) {
    for (let i = 0; i < 15; ++i) mapRow(from, samplers[from]());
}

// Mixing: hue ways, greys, missing channels and alpha.
// colorjs.io brings both colours into the mixing space's gamut before mixing,
// which CSS does not, so only colours within it are compared.
function mixRow(space, hue, first, second, amount) {
    const colour = ([from, coords, alpha]) => new Color(spaces[from], coords, alpha);
    if (![first, second].every((c) => colour(c).inGamut(spaces[space]))) return;
    const mixed = Color.mix(colour(first), colour(second), amount, { space: spaces[space], hue, premultiplied: true });
    const row = [first, second].flatMap(([from, coords, alpha]) => [from, triple(coords), number(alpha)]);
    console.log(["mix", space, hue, ...row, number(amount), triple(mixed.coords), number(mixed.alpha)].join("\t"));
}
const red = ["srgb", [1, 0, 0], 1];
const blue = ["srgb", [0, 0, 1], 1];
for (const hue of ["shorter", "longer", "increasing", "decreasing"]) {
    for (const space of ["oklch", "lch", "hsl", "hwb"]) {
        mixRow(space, hue, red, blue, 0.5);
        mixRow(space, hue, blue, red, 0.25);
        mixRow(space, hue, ["oklch", [0.6, 0.15, 30], 1], ["oklch", [0.6, 0.15, 350], 1], 0.5);
        mixRow(space, hue, ["oklch", [0.6, 0.15, 350], 1], ["oklch", [0.6, 0.15, 30], 1], 0.3);
        mixRow(space, hue, ["lch", [50, 40, 100], 1], ["lch", [70, 40, 260], 1], 0.5);
    }
}
for (const space of ["srgb", "srgb-linear", "display-p3", "lab", "oklab", "xyz-d50", "xyz-d65", "rec2020", "prophoto-rgb", "a98-rgb"]) {
    mixRow(space, "shorter", red, blue, 0.5);
    mixRow(space, "shorter", ["display-p3", [0, 1, 0], 1], ["lab", [30, 20, -60], 1], 0.7);
    mixRow(space, "shorter", red, ["srgb", [0, 0, 1], 0.2], 0.5);
}
// A grey's hue means nothing, so the other colour's hue is kept.
mixRow("oklch", "shorter", ["srgb", [1, 1, 1], 1], blue, 0.5);
mixRow("lch", "shorter", ["srgb", [0.5, 0.5, 0.5], 1], red, 0.5);
mixRow("hsl", "shorter", ["srgb", [0, 0, 0], 1], ["srgb", [0, 0.5, 1], 1], 0.5);
// `none` takes the other colour's value; missing in both stays missing. (colorjs.io
// 0.7.1 loses the values of rgb- and hsl-like spaces or alpha beside a `none`,
// so those cases are checked in the test by hand instead.)
mixRow("oklch", "shorter", ["oklch", [0.7, NaN, 100], 1], ["oklch", [0.5, 0.2, 200], 1], 0.5);
mixRow("oklch", "shorter", ["oklch", [0.7, 0.1, NaN], 1], ["oklch", [0.5, 0.2, 200], 1], 0.25);
mixRow("oklch", "shorter", ["oklch", [NaN, 0.1, 40], 1], ["oklch", [0.5, 0.2, 200], 1], 0.5);
mixRow("oklch", "shorter", ["oklch", [0.4, NaN, 40], 1], ["oklch", [0.5, NaN, 200], 1], 0.5);
mixRow("lab", "shorter", ["lab", [NaN, 20, 30], 1], ["lab", [60, NaN, -10], 1], 0.5);
// Alpha: premultiplied, so a faint colour adds little.
mixRow("oklab", "shorter", ["srgb", [1, 0, 0], 0.9], ["srgb", [0, 1, 0], 0.1], 0.5);
mixRow("oklch", "shorter", ["srgb", [1, 0, 0], 0.9], ["srgb", [0, 1, 0], 0.1], 0.6);
mixRow("lch", "longer", ["srgb", [1, 0.5, 0], 0.3], ["srgb", [0, 0.5, 1], 0.7], 0.5);
