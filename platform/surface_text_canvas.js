// The page's half of the surface's text and ellipse role (surface_text_canvas.cpp): a scratch
// canvas that a region of a surface is copied to, drawn on and copied back from. A surface's
// pixels here are 0xAABBGGRR words, bytes R, G, B, A in memory: the canvas's own order.
var SkalorCanvas = {
  family: '"Skalor Sans", "Liberation Sans", Arial, sans-serif',
  context: null,
  blocks: new Map(),  // "WxH": an ImageData of that size
  scratch(width, height) {
    if (!this.context) {
      const canvas = document.createElement("canvas");
      this.context = canvas.getContext("2d", { willReadFrequently: true });
    }
    const canvas = this.context.canvas;
    if (canvas.width < width || canvas.height < height) {
      canvas.width = Math.max(canvas.width, width);
      canvas.height = Math.max(canvas.height, height);
    }
    return this.context;
  },
  font(pixels) { return pixels + "px " + this.family; },
  css(colour) { return "rgb(" + (colour & 255) + "," + ((colour >>> 8) & 255) + "," + ((colour >>> 16) & 255) + ")"; },
  reach(text, pixels) {
    const ctx = this.scratch(1, 1);
    ctx.font = this.font(pixels);
    const m = ctx.measureText(text);
    return Math.ceil(Math.max(m.width, m.actualBoundingBoxRight));
  },
  lineBox(pixels, wantAscent) {
    const ctx = this.scratch(1, 1);
    ctx.font = this.font(pixels);
    const m = ctx.measureText("Ag");
    const ascent = Math.ceil(m.fontBoundingBoxAscent), descent = Math.ceil(m.fontBoundingBoxDescent);
    return wantAscent ? ascent : ascent + descent;
  },
  // Runs draw(ctx) on the part of the surface that box (client coordinates, grown by margin)
  // covers, with the context set to client coordinates. The surface is [bits, stride, width,
  // height, scale]: its pixels' address, the pixels from one row to the next, its size in
  // pixels and its device pixels per client pixel.
  withRegion(surface, box, margin, draw) {
    // (No destructuring: this emscripten's optimiser drops it.)
    const bits = surface[0], stride = surface[1], width = surface[2], height = surface[3], scale = surface[4];
    const x0 = Math.max(0, (box[0] - margin) * scale), y0 = Math.max(0, (box[1] - margin) * scale);
    const x1 = Math.min(width, (box[2] + margin) * scale), y1 = Math.min(height, (box[3] + margin) * scale);
    if (x0 >= x1 || y0 >= y1) return;
    const w = x1 - x0, h = y1 - y0;
    const ctx = this.scratch(w, h);
    // The same boxes come back frame after frame: their pixel block is made once.
    const key = w + "x" + h;
    let image = this.blocks.get(key);
    if (!image) this.blocks.set(key, (image = ctx.createImageData(w, h)));
    const d = image.data;
    for (let y = 0; y < h; ++y) {
      const o = bits + ((y0 + y) * stride + x0) * 4;
      d.set(HEAPU8.subarray(o, o + w * 4), y * w * 4);
    }
    ctx.putImageData(image, 0, 0);
    ctx.save();
    ctx.translate(-x0, -y0);
    ctx.scale(scale, scale);
    draw(ctx);
    ctx.restore();
    // Drawn over opaque pixels, the region stays opaque.
    const back = ctx.getImageData(0, 0, w, h).data;
    for (let y = 0; y < h; ++y)
      HEAPU8.set(back.subarray(y * w * 4, (y + 1) * w * 4), bits + ((y0 + y) * stride + x0) * 4);
  },
  // One line under the other, a cell apart, from the rectangle's top, clipped to it.
  drawLines(surface, rect, lines, colour, pixels, ascent, cell, centre) {
    this.withRegion(surface, rect, 0, (ctx) => {
      ctx.beginPath();
      ctx.rect(rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1]);
      ctx.clip();
      ctx.font = this.font(pixels);
      ctx.fillStyle = this.css(colour);
      ctx.textBaseline = "alphabetic";
      ctx.textAlign = centre ? "center" : "left";
      const x = centre ? (rect[0] + rect[2]) / 2 : rect[0];
      let top = rect[1];
      for (const line of lines) {
        if (top >= rect[3]) break;
        ctx.fillText(line, x, top + ascent);
        top += cell;
      }
    });
  },
  // The box leaves out its right column and bottom row: the outline runs through the centres
  // of the pixels from left to right - 1, a wider pen spreading to both sides.
  ellipse(surface, box, pen, penWidth, brush, fill) {
    this.withRegion(surface, box, penWidth + 1, (ctx) => {
      const rx = (box[2] - box[0] - 1) / 2, ry = (box[3] - box[1] - 1) / 2;
      ctx.beginPath();
      ctx.ellipse(box[0] + 0.5 + rx, box[1] + 0.5 + ry, Math.max(0, rx), Math.max(0, ry), 0, 0, 2 * Math.PI);
      if (fill) { ctx.fillStyle = this.css(brush); ctx.fill(); }
      if (penWidth > 0) { ctx.strokeStyle = this.css(pen); ctx.lineWidth = penWidth; ctx.stroke(); }
    });
  },
  // A pen-wide stroke between the centres of the end pixels, square ends closing the joins of a
  // polyline drawn segment by segment.
  line(surface, ends, pen, penWidth) {
    const box = [Math.min(ends[0], ends[2]), Math.min(ends[1], ends[3]), Math.max(ends[0], ends[2]) + 1,
                 Math.max(ends[1], ends[3]) + 1];
    this.withRegion(surface, box, penWidth + 1, (ctx) => {
      ctx.beginPath();
      ctx.moveTo(ends[0] + 0.5, ends[1] + 0.5);
      ctx.lineTo(ends[2] + 0.5, ends[3] + 0.5);
      ctx.strokeStyle = this.css(pen);
      ctx.lineWidth = penWidth;
      ctx.lineCap = "square";
      ctx.stroke();
    });
  },
};
